// A seeded random walk through the real screens with the size tables of the build: clicks and
// double-clicks on whatever is visible, hostile texts typed and pasted, the close box, printing
// (cancelled or not), back, forward, restart, and the ends of program runs (the next event
// starts a fresh one). After every event: one screen shown, no "inf", "nan" or exponent in any
// text the program wrote, the calculation screen showing the beam engine's results for the
// inputs on the screen (once recalculated, after an edit of a taken-over value). The way on is
// favoured and leaving the calculation screen is rare, so that it gets at least a quarter of the
// default walk's events. HARI_WALK_EVENTS sets the number of events (10 000), HARI_WALK_SEED the
// seed; a failure names both and the event, to replay it.
#include "roads.hpp"

#include <QPointer>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <iostream>
#include <random>

#include "beam/dispatch.hpp"
#include "beam/units.hpp"
#include "ui/calc_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

// Texts a user may type or paste: numbers, everything a careless paste brings along, 500 nines.
const QStringList kTexts =
    QString(
        "1000|2000|3000|250|0.5|12.5|100|50|6|3.2|60.5|1|abc|１２３|1e400|-5|0||.|12,5|3\n4| 7 "
        "|0.0000001|1e-300|9e307|99999999999999999999|-0|1.2.3|+8|0x10|∞|NaN|inf|五十|12mm|\t|--1")
        .split('|')
    << QString(500, QChar('9'));

bool looksBroken(const QString& text) {
    static const QRegularExpression broken(QStringLiteral("inf|nan|\\d[eE][-+]?\\d"),
                                           QRegularExpression::CaseInsensitiveOption);
    return broken.match(text).hasMatch();
}

bool isTarget(QWidget* w) {
    return w->isVisible() && w->isEnabled() &&
           !w->testAttribute(Qt::WA_TransparentForMouseEvents) &&
           (qobject_cast<Picture*>(w) || qobject_cast<QPushButton*>(w) ||
            qobject_cast<QRadioButton*>(w) || qobject_cast<QLineEdit*>(w) ||
            qobject_cast<QListWidget*>(w) || qobject_cast<Label*>(w));
}

struct Walk {
    explicit Walk(unsigned s) : seed(s), random(s) {}
    unsigned seed;
    std::mt19937 random;
    std::unique_ptr<ProgramRun> program;
    int event = 0, runs = 0;
    std::map<QString, int> visits; // events per screen
    QString before;                // the screen the last event went to
    std::string action;            // the last event
    QSet<QString> typed;           // every text typed in this program run
    bool stale = false;            // results that wait for "再計算"
    QPointer<QWidget> calcWindow;  // the calculation screen's window last checked

    void run(int events) {
        for (event = 1; event <= events && !::testing::Test::HasFailure(); ++event) {
            if (!program || program->registry.hasEnded()) startProgram();
            act();
            settle();
        }
    }
    void startProgram() {
        program.reset(); // its windows go first
        program = std::make_unique<ProgramRun>();
        program->registry.screen<FormOpen>().show();
        ++runs, stale = false;
        typed.clear();
    }
    void settle() {
        QApplication::processEvents(); // what the event loop does between two user events
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        check();
    }
    std::string where() const {
        return "seed " + std::to_string(seed) + ", event " + std::to_string(event) + ": " + action;
    }
    QWidget* shownWindow() {
        QWidget* found = nullptr;
        QWidget* beside = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty()) {
                if (w->objectName() == "Form断面選定") {
                    beside = w;
                    continue;
                }
                EXPECT_EQ(found, nullptr) << where() << ": two screens";
                found = w;
            }
        // The ranking of sizes is open beside the calculation only; the user acts in it.
        if (beside) {
            EXPECT_TRUE(found && found->objectName() == "Form入力計算")
                << where() << ": 断面選定 without the calculation";
        }
        return beside ? beside : found;
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }

    void act() {
        QWidget* window = shownWindow();
        if (!window) return;
        before = window->objectName();
        ++visits[before];
        const int answer = below(3); // the printer dialog: cancelled, one copy or two
        program->counters.copiesChosen = answer ? std::optional<int>(answer) : std::nullopt;
        // The calculation screen is where the results are checked: leaving it is rarer, so
        // that it gets a good share of the events.
        const bool onCalc = before == "Form入力計算";
        if (below(200) == 0 && (!onCalc || below(4) == 0)) {
            action = "close box of " + before.toStdString();
            window->close();
            return;
        }
        QList<QWidget*> targets = window->findChildren<QWidget*>();
        targets.removeIf([](QWidget* w) { return !isTarget(w); });
        if (targets.isEmpty()) return;
        QWidget* target = targets[below(int(targets.size()))];
        // "おわり", "中断" and "閉じる" are rare, or the walk would hardly leave the first screens.
        const auto* button = qobject_cast<QPushButton*>(target);
        const QString caption = button ? button->text().trimmed() : QString();
        if (QStringList{"おわり", "中断", "閉じる"}.contains(caption) && below(10) != 0) return;
        if (onCalc && QStringList{"最初から", "前に戻る"}.contains(caption) && below(4) != 0)
            return;
        // The ranking beside the calculation is left as often as it is used.
        if (before == "Form断面選定" && below(3) == 0)
            target = window->findChild<QWidget*>(below(2) ? "Cmdこのサイズで計算" : "Cmd閉じる");
        // Elsewhere the way on (a size row, then "次へ") is taken more often than the others.
        QList<QWidget*> on = targets;
        on.removeIf([](QWidget* w) {
            return !QStringList{"Commandtugi", "ImageHari", "ListDanmenSize", "CmdZIE"}.contains(
                w->objectName());
        });
        // Not on the calculator: a "次に進む" that is refused would hold the walk there.
        if (!onCalc && before != "Form入力断面他" && !on.isEmpty() && below(3) == 0)
            target = on[below(int(on.size()))];
        perform(target);
    }

    // One event on `target`: a box gets a random text, or a click.
    void perform(QWidget* target) {
        action = target->objectName().toStdString();
        auto* box = qobject_cast<QLineEdit*>(target);
        auto* list = qobject_cast<QListWidget*>(target);
        auto* option = qobject_cast<QRadioButton*>(target);
        const bool wasChecked = option && option->isChecked();
        const QString textBefore = box ? box->text() : QString();
        if (box && !box->isReadOnly() && below(3)) {
            const QString typed = kTexts[below(int(kTexts.size()))];
            const bool keys = below(2) == 0 && typed.size() < 30;
            action += (keys ? " typed \"" : " pasted \"") + typed.left(20).toStdString() + "\"";
            box->setFocus();
            if (keys) {
                typeInto(box, typed);
            } else {
                box->selectAll();
                typed.isEmpty() ? box->del() : box->insert(typed);
            }
            this->typed.insert(box->text());
        } else if (list && list->count() > 0) {
            QListWidgetItem* row = list->item(below(list->count()));
            list->scrollToItem(row);
            const QPoint at = list->visualItemRect(row).center();
            const bool twice = below(3) == 0;
            action += twice ? " double-click row" : " click row";
            twice ? doubleClickAt(list->viewport(), at)
                  : QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        } else if (qobject_cast<Picture*>(target) && below(3) == 0) {
            action += " double-click";
            doubleClick(target);
        } else if (!list) {
            action += " click";
            click(target);
        }
        // On the calculation screen an edit of a taken-over section or material value waits
        // for "再計算" or the next input; until then the results belong to the old values. A
        // click on the load unit already chosen, or on an input left as it was, calculates
        // nothing.
        if (before != "Form入力計算") return;
        const QString name = target->objectName();
        const bool changed = box && box->text() != textBefore;
        if (box && !name.startsWith("TextHEN")) stale = true;
        if ((name.startsWith("TextHEN") && changed) || (name.startsWith("Opt1") && !wasChecked) ||
            QStringList{"CmdSaikeisan", "CmdP", "Cmdw", "Command入力"}.contains(name))
            stale = false;
    }

    void check() {
        if (program->registry.hasEnded()) return;
        QWidget* window = shownWindow();
        ASSERT_NE(window, nullptr) << where() << ": no screen shown";
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            QString text = w->property("text").toString(); // of a box, label or button
            // A box may hold the user's own text, here or carried over as typed; a caption may
            // quote it (a material name): that part is theirs.
            if (qobject_cast<QLineEdit*>(w) && typed.contains(text)) continue;
            if (qobject_cast<QLabel*>(w))
                for (const QString& t : typed)
                    if (t.size() > 1) text.remove(t);
            ASSERT_FALSE(looksBroken(text)) << where() << ": " << w->objectName().toStdString()
                                            << " shows \"" << text.toStdString() << "\"";
        }
        if (window->objectName() != "Form入力計算") return;
        // Arrived: the screen loaded anew calculates afresh (closing the ranking beside it is no
        // arrival).
        if (window != calcWindow) {
            calcWindow = window;
            stale = false;
        }
        if (!stale) checkResults();
    }

    QString field(const char* name) {
        return need<QLineEdit>(program->registry.screen<Form入力計算>(), name)->text();
    }

    // What the engine gives for the inputs as a user reads them off the screen.
    void checkResults() {
        app::Registry& r = program->registry;
        Form入力計算& s = r.screen<Form入力計算>();
        if (!r.state().loadCase()) return;
        const auto checked = [&](const char* b) { return need<QRadioButton>(s, b)->isChecked(); };
        beam::Inputs in;
        in.structure = *r.state().hari;
        in.loadCase = *r.state().loadCase();
        in.loadMode = need<Label>(s, "LabelHEN1M")->caption().startsWith("分布荷重")
                          ? beam::LoadMode::PerMetre
                          : beam::LoadMode::Total;
        in.loadN =
            beam::toNewtons(valueOf(field("TextHEN1")), checked("Opt1kN")   ? beam::LoadUnit::kN
                                                        : checked("Opt1kg") ? beam::LoadUnit::kg
                                                                            : beam::LoadUnit::N);
        in.spanMm = valueOf(field("TextHEN2"));
        in.l1Mm = valueOf(field("TextHEN3"));
        in.zText = field("Textdz").toStdString();
        in.iText = field("Textdi").toStdString();
        in.eText = field("Textyang").toStdString();
        in.massText = field("Textjuryou").toStdString();
        in.allowText = field("Textkmage").toStdString();
        const beam::Outcome out = beam::calcDispatch(in);
        if (!out.results) return; // nothing calculated: the earlier results stay
        const beam::TwinTexts& t = out.results->si;
        const auto& d = out.results->deflections;
        const std::pair<const char*, const std::string&> fields[] = {
            {"Textkaju", t.kaju},         {"Textkajumo", t.kajumo},
            {"Textkajumage", t.kajumage}, {"Textjiju", t.jiju},
            {"Textjmo", t.jmo},           {"Textjmage", t.jmage},
            {"Textkajut", t.kajut},       {"Textmot", t.mot},
            {"Textmaget", t.maget},       {"Textkajutawami", d.kajutawami},
            {"Texttawamit", d.tawamit}};
        for (const auto& [name, expected] : fields)
            ASSERT_EQ(field(name), qtext(expected)) << where() << ": " << name;
    }
};

TEST(RandomWalk, ThousandsOfUserEventsKeepEveryScreenSound) {
    bool seeded = false, counted = false;
    const int seed = qEnvironmentVariableIntValue("HARI_WALK_SEED", &seeded);
    const int events = qEnvironmentVariableIntValue("HARI_WALK_EVENTS", &counted);
    Walk walk(seeded ? unsigned(seed) : 20261207u);
    walk.run(counted ? events : 10000);
    EXPECT_GT(walk.runs, 1) << "the walk never ended a program run";
    // The walk must get deep: to the calculation screen and the section calculator.
    EXPECT_GT(walk.visits.count("Form入力計算"), 0u);
    EXPECT_GT(walk.visits.count("Form入力断面他"), 0u);
    int all = 0;
    for (const auto& [screen, n] : walk.visits)
        all += n, std::cout << screen.toStdString() << " " << n << "\n";
    // Long walks drift into the section calculator; the default walk must keep its weighting.
    if (!counted) {
        EXPECT_GE(4 * walk.visits["Form入力計算"], all)
            << "the calculation screen gets too few events";
    }
}

} // namespace
