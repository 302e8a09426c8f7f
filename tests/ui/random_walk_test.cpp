// A seeded random walk through the real screens with the size tables of the build: clicks and
// double-clicks on whatever is visible, hostile texts typed and pasted, the close box, printing
// (cancelled or not), back, forward and restart. "おわり", "中断" and the close box end a program
// run, and the next event starts a fresh one. After every event the walk checks what a user
// would notice: one screen shown, no "inf", "nan" or exponent in any text the program wrote,
// the calculation screen showing the section its predecessor handed over, and its results
// those of the beam engine for the inputs on the screen.
//
// HARI_WALK_EVENTS sets the number of events (10 000 by default), HARI_WALK_SEED the seed; a
// failure names both and the event, so that it can be replayed; HARI_WALK_TRACE prints the
// progress and the slow events.
#include "fakes.hpp"

#include <QElapsedTimer>
#include <QListWidget>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSet>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>

#include "beam/dispatch.hpp"
#include "beam/units.hpp"
#include "ui/beam_type_screen.hpp"
#include "ui/calc_screen.hpp"
#include "ui/controls.hpp"
#include "ui/form_open.hpp"
#include "ui/load_case_screens.hpp"
#include "ui/section_calc_screen.hpp"
#include "ui/section_choice_screen.hpp"
#include "ui/size_screen.hpp"

using namespace testing_ui;
using namespace ui;

namespace {

int fromEnvironment(const char* name, int fallback) {
    const QByteArray v = qgetenv(name);
    bool ok = false;
    const int n = v.toInt(&ok);
    return ok ? n : fallback;
}

// Texts a user may type or paste: numbers, and everything a careless paste brings along.
QString hostileText(std::mt19937& random) {
    static const QStringList texts = {
        "1000", "2000", "3000", "250", "0.5", "12.5", "100", "50", "6", "3.2", "60.5", "1",
        "abc", "１２３", "1e400", "-5", "0", "", ".", "12,5", "3\n4", " 7 ", "0.0000001",
        "1e-300", "9e307", "99999999999999999999", "-0", "1.2.3", "+8", "0x10", "∞", "NaN",
        "inf", "五十", "12mm", "\t", "--1"};
    std::uniform_int_distribution<int> pick(0, int(texts.size()));
    const int k = pick(random);
    if (k < texts.size()) return texts[k];
    return QString(500, QChar('9')); // 500 digits
}

bool isEndButton(const QWidget* w) {
    const auto* b = qobject_cast<const QPushButton*>(w);
    if (!b) return false;
    const QString t = b->text().trimmed();
    return t == QStringLiteral("おわり") || t == QStringLiteral("中断") ||
           t == QStringLiteral("閉じる");
}

// A number the program wrote: "inf", "nan" or a digit, "e" and a digit.
bool looksBroken(const QString& text) {
    static const QRegularExpression exponent(QStringLiteral("\\d[eE][-+]?\\d"));
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan")) ||
           exponent.match(text).hasMatch();
}

class Walk {
public:
    Walk(unsigned seed, int events) : seed_(seed), events_(events), random_(seed) {}

    void run() {
        QElapsedTimer total;
        total.start();
        for (event_ = 1; event_ <= events_; ++event_) {
            if (event_ % 2000 == 0 && qEnvironmentVariableIsSet("HARI_WALK_TRACE"))
                std::printf("%d events: %lld ms, %d widgets\n", event_, total.elapsed(),
                            int(QApplication::allWidgets().size()));
            if (!program_ || program_->registry.hasEnded()) start();
            QElapsedTimer timer;
            timer.start();
            act();
            // What the event loop does between two user events: deferred deletes, layouts and
            // the repaint of what changed (unprocessed, they would also pile up).
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (timer.elapsed() > 50 && qEnvironmentVariableIsSet("HARI_WALK_TRACE"))
                std::printf("%lld ms: %s\n", timer.elapsed(), where().c_str());
            check();
            if (::testing::Test::HasFailure()) return;
        }
    }
    int programRuns() const { return runs_; }
    const std::map<QString, int>& visits() const { return visits_; }

private:
    void start() {
        program_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        program_ = std::make_unique<ProgramRun>();
        program_->registry.screen<FormOpen>().show();
        ++runs_;
        stale_ = false;
        typed_.clear();
    }
    std::string where() const {
        return "seed " + std::to_string(seed_) + ", event " + std::to_string(event_) + ": " +
               lastAction_;
    }
    QWidget* shownWindow() {
        QWidget* found = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !w->objectName().isEmpty()) {
                EXPECT_EQ(found, nullptr) << where() << ": two screens, "
                                          << found->objectName().toStdString() << " and "
                                          << w->objectName().toStdString();
                found = w;
            }
        return found;
    }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    void act() {
        QWidget* window = shownWindow();
        if (!window) return;
        before_ = window->objectName();
        ++visits_[before_];
        // The printer dialog answers at random: cancelled, one copy or two.
        const int answer = below(3);
        program_->counters.copiesChosen =
            answer == 0 ? std::nullopt : std::optional<int>(answer);
        if (below(200) == 0) {
            lastAction_ = "close box of " + before_.toStdString();
            closeBox(window);
            return;
        }
        QList<QWidget*> targets;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible() || !w->isEnabled() ||
                w->testAttribute(Qt::WA_TransparentForMouseEvents))
                continue;
            if (qobject_cast<Picture*>(w) || qobject_cast<QPushButton*>(w) ||
                qobject_cast<QRadioButton*>(w) || qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QListWidget*>(w) || qobject_cast<Label*>(w))
                targets << w;
        }
        if (targets.isEmpty()) return;
        QWidget* target = targets[below(int(targets.size()))];
        // Ends are rare, or the walk would hardly leave the first screens.
        if (isEndButton(target) && below(10) != 0) return;
        lastAction_ = target->objectName().toStdString();
        if (auto* box = qobject_cast<QLineEdit*>(target);
            box && !box->isReadOnly() && below(3) != 0) {
            enterText(box);
        } else if (auto* list = qobject_cast<QListWidget*>(target)) {
            if (list->count() == 0) return;
            QListWidgetItem* row = list->item(below(list->count()));
            list->scrollToItem(row);
            const QPoint at = list->visualItemRect(row).center();
            lastAction_ += below(3) == 0 ? " double-click row" : " click row";
            if (lastAction_.ends_with("double-click row"))
                doubleClickAt(list->viewport(), at);
            else
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        } else if (qobject_cast<Picture*>(target) && below(3) == 0) {
            lastAction_ += " double-click";
            doubleClick(target);
        } else {
            lastAction_ += " click";
            click(target);
        }
        noteRecalculation(target);
    }

    void enterText(QLineEdit* box) {
        const QString text = hostileText(random_);
        lastAction_ += " <- \"" + text.left(20).toStdString() + "\"";
        box->setFocus();
        box->selectAll();
        if (below(2) == 0 && text.size() < 30) {
            // Typed key by key: ASCII by its key, anything else as an input method delivers it.
            if (text.isEmpty()) QTest::keyClick(box, Qt::Key_Delete);
            for (QChar c : text) {
                if (c.unicode() > 0x20 && c.unicode() < 0x7f)
                    QTest::keyClick(box, c.toLatin1());
                else
                    box->insert(QString(c));
            }
        } else {
            box->insert(text); // pasted
            if (text.isEmpty()) box->del();
        }
        typed_.insert(box->text());
    }

    // On the calculation screen an edit of a taken-over section or material value recalculates
    // nothing until "再計算" or the next input; until then the results belong to the old values.
    void noteRecalculation(QWidget* target) {
        if (before_ != QStringLiteral("Form入力計算")) return;
        const QString name = target->objectName();
        if (qobject_cast<QLineEdit*>(target) && !name.startsWith(QStringLiteral("TextHEN")))
            stale_ = true;
        if (name.startsWith(QStringLiteral("TextHEN")) || name == QStringLiteral("CmdSaikeisan") ||
            name.startsWith(QStringLiteral("Opt1")) || name == QStringLiteral("CmdP") ||
            name == QStringLiteral("Cmdw") || name == QStringLiteral("Command入力"))
            stale_ = false;
    }

    void check() {
        if (program_->registry.hasEnded()) return;
        QWidget* window = shownWindow();
        ASSERT_NE(window, nullptr) << where() << ": no screen shown";
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            QString text;
            if (auto* box = qobject_cast<QLineEdit*>(w)) {
                // The user's own text, here or carried over from an earlier screen as typed.
                if (typed_.contains(box->text())) continue;
                text = box->text();
            } else if (auto* label = qobject_cast<QLabel*>(w)) {
                // A caption may quote what the user typed (a material name): that part is theirs.
                text = label->text();
                for (const QString& t : typed_)
                    if (t.size() > 1) text.remove(t);
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                text = button->text();
            }
            ASSERT_FALSE(looksBroken(text))
                << where() << ": " << w->objectName().toStdString() << " shows \""
                << text.toStdString() << "\"";
        }
        if (window->objectName() != QStringLiteral("Form入力計算")) return;
        if (before_ != window->objectName()) {
            stale_ = false;
            checkHandOver();
        }
        if (!stale_) checkResults();
    }

    Form入力計算& calc() { return program_->registry.screen<Form入力計算>(); }
    QString field(const char* name) {
        return calc().control<QLineEdit>(QString::fromUtf8(name))->text();
    }

    // The section as the size screen or the calculator published it; Z, I and the radius of
    // gyration come with two decimals.
    void checkHandOver() {
        app::Registry& r = program_->registry;
        Form材サイズ選択& sizes = r.screen<Form材サイズ選択>();
        QStringList published;
        if (sizes.Flg入力断面他 == 1) {
            const auto t = r.screen<Form入力断面他>().resultTexts();
            published = {t.z, t.i, t.radius};
        } else {
            const auto t = sizes.sectionTexts();
            published = {t.z, t.i, t.radius};
        }
        const QStringList shown = {field("Textdz"), field("Textdi"), field("TxtD2r")};
        for (int k = 0; k < 3; ++k) {
            const double a = valueOf(published[k]), b = valueOf(shown[k]);
            EXPECT_LE(std::abs(a - b), 0.005 + 1e-9 * std::abs(a))
                << where() << ": published " << published[k].toStdString() << ", shown "
                << shown[k].toStdString();
        }
    }

    // What the engine gives for the inputs as a user reads them off the screen.
    void checkResults() {
        app::Registry& r = program_->registry;
        Form入力計算& s = calc();
        beam::Inputs in;
        in.structure = beam::Structure(r.screen<Form梁形式1>().hari);
        LoadCaseScreen* cases = loadCaseScreen(r, r.screen<Form梁形式1>().hari);
        if (!cases) return;
        in.loadCase = cases->haritype;
        const bool perMetre = s.control<Label>("LabelHEN1M")->caption().startsWith(
            QStringLiteral("分布荷重"));
        in.loadMode = perMetre ? beam::LoadMode::PerMetre : beam::LoadMode::Total;
        const beam::LoadUnit unit =
            s.control<QRadioButton>("Opt1kN")->isChecked()   ? beam::LoadUnit::kN
            : s.control<QRadioButton>("Opt1kg")->isChecked() ? beam::LoadUnit::kg
                                                             : beam::LoadUnit::N;
        in.loadN = beam::toNewtons(valueOf(field("TextHEN1")), unit);
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
        const QStringList expected = {
            qtext(t.kaju), qtext(t.kajumo), qtext(t.kajumage), qtext(t.jiju), qtext(t.jmo),
            qtext(t.jmage), qtext(t.kajut), qtext(t.mot), qtext(t.maget),
            qtext(out.results->deflections.kajutawami), qtext(out.results->deflections.tawamit)};
        const QStringList shown = {
            field("Textkaju"),  field("Textkajumo"), field("Textkajumage"),   field("Textjiju"),
            field("Textjmo"),   field("Textjmage"),  field("Textkajut"),      field("Textmot"),
            field("Textmaget"), field("Textkajutawami"), field("Texttawamit")};
        ASSERT_EQ(shown, expected) << where();
    }

    unsigned seed_;
    int events_;
    std::mt19937 random_;
    std::unique_ptr<ProgramRun> program_;
    int event_ = 0;
    int runs_ = 0;
    bool stale_ = false;
    QString before_;
    std::string lastAction_;
    std::map<QString, int> visits_; // events per screen
    QSet<QString> typed_;           // every text the walk typed in this program run
};

TEST(RandomWalk, ThousandsOfUserEventsKeepEveryScreenSound) {
    const int events = fromEnvironment("HARI_WALK_EVENTS", 10000);
    const unsigned seed = unsigned(fromEnvironment("HARI_WALK_SEED", 20261207));
    Walk walk(seed, events);
    walk.run();
    EXPECT_GT(walk.programRuns(), 1) << "the walk never ended a program run";
    // The walk must get deep: to the calculation screen and the section calculator.
    EXPECT_GT(walk.visits().count(QStringLiteral("Form入力計算")), 0u);
    EXPECT_GT(walk.visits().count(QStringLiteral("Form入力断面他")), 0u);
    std::string summary;
    for (const auto& [screen, n] : walk.visits())
        summary += screen.toStdString() + " " + std::to_string(n) + ", ";
    std::printf("%d program runs; events per screen: %s\n", walk.programRuns(), summary.c_str());
    std::printf("top-level widgets at the end: %d\n", int(QApplication::topLevelWidgets().size()));
}

} // namespace
