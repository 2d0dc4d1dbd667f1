// The player window as a screen reader and a keyboard-only listener meet it, through Qt's own
// accessibility interfaces and real key presses.
#include "PlayerWindowFixture.h"
#include "platform/ClickLabel.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace lumo {
namespace {

class AccessibilityTest : public ::testing::Test, protected test::PlayerWindowFixture {
protected:
    void SetUp() override {
        dir.write("DEFAULT", "\"RADIO\",\"Access FM\",\"\",\"http://127.0.0.1:9/a\",\"NONE\"\r\n");
        window = makeWindow();
        window->load();
        window->Timer1->tick(); // the status and the station's name shown
        media->calls.clear();
        media->state = PlayState::Playing;
    }
    static QAccessibleInterface* access(QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget);
    }
    std::unique_ptr<PlayerWindow> window;
};

TEST_F(AccessibilityTest, EveryControlIsNamedAndPressableAndTheKnobIsASlider) {
    const std::pair<ClickLabel*, const char*> buttons[] = {{window->Image2, "Play"},
                                                           {window->Image1, "Stop"},
                                                           {window->Image25, "Pause"},
                                                           {window->Label5, "Stations"},
                                                           {window->Image4, "Shut down"}};
    for (const auto& [control, name] : buttons) {
        QAccessibleInterface* button = access(control);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::Button) << name;
        EXPECT_EQ(button->text(QAccessible::Name), QLatin1String(name));
        ASSERT_NE(button->actionInterface(), nullptr) << name;
        EXPECT_TRUE(button->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()))
            << name;
    }
    // The picture inside the Stations button, and the default station's name below the
    // window's outline, are no controls of their own: each is met once.
    for (ClickLabel* part : {window->Image6, window->Label7}) {
        EXPECT_TRUE(access(part)->state().invisible);
    }
    // The station's name is its button's name; the status is read as it stands.
    EXPECT_EQ(access(window->Label2)->text(QAccessible::Name), "Access FM");
    EXPECT_EQ(access(window->Label1)->text(QAccessible::Description), "Status");

    // Pressing through the interface is a click.
    access(window->Image1)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(media->calls, std::vector<std::string>{"stop"});
    access(window->Image2)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(media->calls.back(), "play");

    QAccessibleInterface* knob = access(window->Image22);
    EXPECT_EQ(knob->role(), QAccessible::Slider);
    EXPECT_EQ(knob->text(QAccessible::Name), "Volume");
    ASSERT_NE(knob->valueInterface(), nullptr);
    EXPECT_EQ(knob->valueInterface()->currentValue().toInt(), 100);
    EXPECT_EQ(knob->valueInterface()->maximumValue().toInt(), 100);
    knob->valueInterface()->setCurrentValue(48);
    EXPECT_EQ(state.volumeLevel, 50) << "the knob's nearest step";
    EXPECT_EQ(knob->text(QAccessible::Value), "50");
}

// Tab walks the controls in reading order; Space or Return presses the one with the focus
// mark; with none marked, the window's own keys work as before.
TEST_F(AccessibilityTest, TheKeyboardAloneReachesAndPressesEveryControl) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Space);
    EXPECT_EQ(media->calls.back(), "pause") << "Space with no control marked: play/pause";

    std::vector<QWidget*> reached;
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window.get(),
                        Qt::Key_Tab);
        reached.push_back(QApplication::focusWidget());
    }
    const std::vector<QWidget*> order{
        window->Image29, window->Image32, window->Image7, window->Image38,
        window->Image39, window->Image3,  window->Image4, window->Image14,
        window->Label2,  window->Image22, window->Image5, window->Image23,
        window->Label5,  window->Image1,  window->Image2, window->Image25};
    EXPECT_EQ(reached, order);

    // The mark is drawn on the control that has the keyboard.
    window->Image1->setFocus(Qt::TabFocusReason);
    const QImage marked = window->Image1->grab().toImage();
    EXPECT_EQ(marked.pixelColor(1, marked.height() / 2), QColor(0x4c, 0xc9, 0xf0));
    media->calls.clear();
    QTest::keyClick(window->Image1, Qt::Key_Space);
    EXPECT_EQ(media->calls, std::vector<std::string>{"stop"});
    window->Image2->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->Image2, Qt::Key_Return);
    EXPECT_EQ(media->calls.back(), "play");
    // The knob takes Up and Down as the window always has.
    window->Image22->setFocus(Qt::TabFocusReason);
    QTest::keyClick(window->Image22, Qt::Key_Down);
    EXPECT_EQ(state.volumeLevel, 90);
}

} // namespace
} // namespace lumo
