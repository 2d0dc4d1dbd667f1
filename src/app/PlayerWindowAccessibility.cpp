// What the player window's controls are called and the order the keyboard reaches them in, for
// listeners who use a screen reader or the keyboard alone.
#include "app/PlayerWindow.h"

#include "platform/ClickLabel.h"
#include "playback/Playback.h"

namespace lumo {

void PlayerWindow::nameControls() {
    Image29->setButton(tr("Stay on top"));
    Image32->setButton(tr("DJ Cam"));
    Image7->setButton(tr("Home: the default station"));
    Image38->setButton(tr("About"));
    Image39->setButton(tr("Help"));
    Image3->setButton(tr("Minimise"));
    Image4->setButton(tr("Shut down"));
    Image14->setButton(tr("Advert"));
    Label2->setButton({}); // the station's name, which opens its web page
    Image22->setSlider(
        tr("Volume"), 0, 100, [this] { return m_state.volumeLevel; },
        [this](int level) { m_playback->setVolume((level + 5) / 10 * 10); });
    Image5->setButton(tr("Update stations"));
    Image23->setButton(tr("Set as default station"));
    Label5->setButton(tr("Stations"));
    Label5->setToolTip(tr("Click here to change the station"));
    Image6->setPart(); // the picture inside the Stations button
    Image1->setButton(tr("Stop"));
    Image2->setButton(tr("Play"));
    Image25->setButton(tr("Pause"));
    // The default station's name lies in the strip below the window's outline: the Home button
    // is its control.
    Label7->setPart();
    Image15->setPart(); // the fallback skin, under everything
    Image35->setAccessibleName(tr("Studio camera"));
    Label3->setAccessibleDescription(tr("Live feed status"));
    Label1->setAccessibleDescription(tr("Status"));
    Label1->setAccessibleName(tr("Status")); // until there is one to read
    Label4->setAccessibleDescription(tr("Station list date"));
    Label4->setAccessibleName(tr("Station list date"));

    // Reading order: the top row, the advert, the station, the knob, then the lower panel.
    m_keyboardOrder = {Image29, Image32, Image7, Image38, Image39, Image3, Image4, Image14,
                       Label2,  Image22, Image5, Image23, Label5,  Image1, Image2, Image25};
}

// The window itself has the keyboard until the first Tab, so that its own keys (Space plays
// or pauses...) work as they always have: only then do the controls take the keyboard, the
// first (or, with Shift, the last) of them at once.
void PlayerWindow::startKeyboardNavigation(bool backwards) {
    for (ClickLabel* control : m_keyboardOrder) {
        control->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t i = 1; i < m_keyboardOrder.size(); ++i) {
        setTabOrder(m_keyboardOrder[i - 1], m_keyboardOrder[i]);
    }
    (backwards ? m_keyboardOrder.back() : m_keyboardOrder.front())->setFocus(Qt::TabFocusReason);
}

} // namespace lumo
