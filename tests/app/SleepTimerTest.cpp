// The sleep timer, chosen from the player window's menu, on a clock the test moves.
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

using namespace std::chrono_literals;

class SleepTimerTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        clock = [this] { return now; };
        dir.write("DEFAULT", "\"RADIO\",\"Night FM\",\"\",\"http://127.0.0.1:9/n\",\"NONE\"\r\n");
        window = makeWindow();
        window->load();
        media->state = PlayState::Playing;
    }
    // The window's menu, opened with the Menu key, and one of its sleep timer's choices.
    void choose(const QString& choice) {
        QTest::keyClick(window.get(), Qt::Key_Menu);
        QMenu* menu = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* found = qobject_cast<QMenu*>(top);
                found && found->isVisible() && found->parentWidget() == window.get()) {
                menu = found;
            }
        }
        ASSERT_NE(menu, nullptr) << "the Menu key opens the window's menu";
        QMenu* sleep = menu->actions().front()->menu();
        ASSERT_NE(sleep, nullptr);
        titles.push_back(menu->actions().front()->text());
        for (QAction* action : sleep->actions()) {
            if (action->text() == choice) {
                action->trigger();
            }
        }
        menu->close();
    }
    // Moves the clock on by `step` and lets the timer look, `times` times.
    void pass(std::chrono::seconds step, int times = 1) {
        for (int i = 0; i < times; ++i) {
            now += step;
            window->playback().sleepTimer().ticker()->tick();
        }
    }

    // The window's menus open at the moment.
    static int openMenus() {
        int open = 0;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            open += qobject_cast<QMenu*>(top) != nullptr && top->isVisible() ? 1 : 0;
        }
        return open;
    }

    std::chrono::steady_clock::time_point now{};
    std::vector<QString> titles;
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(SleepTimerTest, ItFadesStopsAndPutsTheVolumeBack) {
    window->playback().setVolume(80);
    choose(QStringLiteral("15 minutes"));
    EXPECT_EQ(window->Image22->toolTip(), "Adjust volume\nSleep timer: 15 min left");
    pass(10min);
    EXPECT_EQ(window->Image22->toolTip(), "Adjust volume\nSleep timer: 5 min left");
    choose(QStringLiteral("15 minutes")); // the title says what is left; choosing again restarts
    EXPECT_EQ(titles.back(), "Sleep Timer (5 min left)");
    pass(14min + 59s);
    media->calls.clear();
    media->state = PlayState::Playing; // stop and play in between keep it
    EXPECT_EQ(state.volumeLevel, 80);

    // The end: a knob step a second down to silence, then stopped, the volume put back.
    std::vector<int> levels;
    for (int i = 0; i < 12 && window->playback().sleepTimer().running(); ++i) {
        pass(1s);
        levels.push_back(state.volumeLevel);
    }
    EXPECT_EQ(levels, (std::vector<int>{70, 60, 50, 40, 30, 20, 10, 0, 80}));
    EXPECT_EQ(media->calls, std::vector<std::string>{"stop"});
    EXPECT_FALSE(window->playback().sleepTimer().running());
    EXPECT_EQ(window->Image22->toolTip(), "Adjust volume");
}

TEST_F(SleepTimerTest, OffEndsItAndAFadeUnderWayGivesTheVolumeBack) {
    choose(QStringLiteral("30 minutes"));
    pass(30min);
    pass(1s, 2); // the fade began with the end: three knob steps down
    EXPECT_EQ(state.volumeLevel, 70);
    window.reset(); // ended in the fade: the next start has the listener's volume
    window = makeWindow();
    window->load();
    media->state = PlayState::Playing;
    EXPECT_EQ(state.volumeLevel, 100);
    // The last choice is kept and offered first; it does not start by itself.
    EXPECT_FALSE(window->playback().sleepTimer().running());
    QMenu* menu = window->openMenu(QPoint(0, 0));
    const QAction* offered = menu->actions().front()->menu()->defaultAction();
    ASSERT_NE(offered, nullptr);
    EXPECT_EQ(offered->text(), "30 minutes");
    menu->close();
    choose(QStringLiteral("30 minutes"));
    pass(30min);
    pass(1s, 2);
    choose(QStringLiteral("Off"));
    EXPECT_EQ(state.volumeLevel, 100);
    EXPECT_FALSE(window->playback().sleepTimer().running());
    media->calls.clear();
    pass(1h);
    EXPECT_TRUE(media->calls.empty());
    EXPECT_EQ(window->Image22->toolTip(), "Adjust volume");

    // The right button opens the menu on the bare skin, not on a control.
    for (const auto& [where, opens] :
         {std::pair{QPoint(5, 100), 1}, std::pair{QPoint(60, 370), 0}}) {
        QContextMenuEvent click(QContextMenuEvent::Mouse, where, window->mapToGlobal(where));
        QApplication::sendEvent(window.get(), &click);
        EXPECT_EQ(openMenus(), opens) << where.x() << "," << where.y();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMenu*>(top) != nullptr) {
                top->close();
            }
        }
    }
}

} // namespace
} // namespace lumo
