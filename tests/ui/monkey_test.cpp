// Any order of clicks: the wizard never crashes and always shows exactly one screen until the
// program ends.
#include "fakes.hpp"

#include <random>

#include "ui/form_open.hpp"

using namespace testing_ui;

namespace {

QWidget* visibleWindow() {
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) {
            EXPECT_EQ(found, nullptr)
                << "two windows visible: " << found->objectName().toStdString() << ", "
                << w->objectName().toStdString();
            found = w;
        }
    return found;
}

TEST(Monkey, RandomClicksNeverLeaveTheWizardWithoutAScreen) {
    std::mt19937 random(20261206);
    int runs = 0, steps = 0;
    while (steps < 1500) {
        ProgramRun run;
        ++runs;
        run.registry.screen<ui::FormOpen>().show();
        for (int i = 0; i < 60 && steps < 1500; ++i, ++steps) {
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            if (run.registry.hasEnded()) break;
            QWidget* window = visibleWindow();
            ASSERT_NE(window, nullptr) << "no screen visible after step " << steps;
            QList<QWidget*> targets;
            for (QWidget* w : window->findChildren<QWidget*>())
                if (w->isVisible() && !w->testAttribute(Qt::WA_TransparentForMouseEvents))
                    targets << w;
            std::uniform_int_distribution<int> pick(0, static_cast<int>(targets.size()));
            const int choice = pick(random);
            if (choice == targets.size()) {
                // Now and then the close box.
                if (random() % 8 == 0) closeBox(window);
                continue;
            }
            if (random() % 3 == 0)
                doubleClick(targets[choice]);
            else
                click(targets[choice]);
        }
    }
    EXPECT_GT(runs, 1);
}

} // namespace
