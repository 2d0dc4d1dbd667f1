// Window behaviour of the player window: the shaped outline, dragging, stay on top and the
// volume drag.
#include "app/MouseMove1.h"
#include "app/OwnStationActions.h"
#include "app/PlayerWindow.h"
#include "app/SkinRegion.h"
#include "app/Twips.h"
#include "platform/ClickLabel.h"
#include "platform/OnTop.h"
#include "playback/Playback.h"

#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWindow>

namespace lumo {

namespace {

// The drag re-applies the window's size; only a skin of this height keeps the outline path.
constexpr int kDragSkinHeightTwips = 6000;
constexpr qint64 kVolumeStepMilliseconds = 100;

} // namespace

void PlayerWindow::connectWindowBehaviour() {
    connect(Image29, &ClickLabel::clicked, this, &PlayerWindow::stayOnTopClick);
    // The fallback image is part of the surface: its press starts a move, its release ends it
    // (the image keeps the release to itself).
    connect(Image15, &ClickLabel::pressed, this, [this] {
        m_dragOffset = QCursor::pos() - pos();
        m_dragArmed = true;
        m_dragging = true;
        if (startDrag()) {
            endDrag();
        }
    });
    connect(Image15, &ClickLabel::released, this, [this] { endDrag(); });
    connect(Image22, &ClickLabel::pressed, this, [this] {
        m_state.volumeDragAnchorY = 0;
        Timer9->setInterval(10);
    });
    connect(Image22, &ClickLabel::released, this, [this] { Timer9->setInterval(0); });
    Timer9->onTick([this] { volumeDragTick(); });
}

// The drag looks at the pointer every 10 ms but steps the volume about once every 100 ms, as
// the knob always has, without waiting for the time to pass.
void PlayerWindow::volumeDragTick() {
    if (Timer9->interval() == 0) {
        return;
    }
    if (m_lastVolumeStep.isValid() && m_lastVolumeStep.elapsed() < kVolumeStepMilliseconds) {
        return;
    }
    MOUSEMOVE1::VolumeDragStep(m_state, m_services.cursor, *m_playback);
}

void PlayerWindow::applySkinOutline() {
    if (const auto region = BuildSkinRegion(picture1)) {
        m_outline = *region;
        setMask(*region);
    }
}

// Moves the window with the pointer while the left button is held, as a caption drag does:
// the window system's own move where it offers one, else the window follows the pointer.
bool PlayerWindow::startDrag() {
    const int skinHeightTwips = picture1.height() * screenTwipsPerPixel(*this);
    if (skinHeightTwips == kDragSkinHeightTwips) {
        resize(picture1.width(), picture1.height() - twipsToPixels(kWindowHeightCutTwips));
    } else {
        Image15->show();
        Image15->lower();
        resize(Image15->width(), Image15->height() - twipsToPixels(kWindowHeightCutTwips));
    }
    QWindow* native = windowHandle();
    return native != nullptr && native->startSystemMove();
}

void PlayerWindow::endDrag() {
    m_dragArmed = false;
    m_dragging = false;
}

// Only a left press on the bare surface arms a move. Controls pass on what they do not
// handle (a label's press, a button's moves), and none of that may drag the window.
void PlayerWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        QWidget* under = childAt(event->position().toPoint());
        m_dragArmed = under == nullptr || under == Image15;
        m_dragging = false;
        m_dragOffset = event->globalPosition().toPoint() - pos();
    }
    QWidget::mousePressEvent(event);
}

void PlayerWindow::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragArmed || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    if (!m_dragging) {
        m_dragging = true;
        if (startDrag()) {
            // The window system moves the window until the button is let go, and the release
            // goes to it, not to us.
            endDrag();
            return;
        }
    }
    move(event->globalPosition().toPoint() - m_dragOffset);
}

void PlayerWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        endDrag();
    }
    QWidget::mouseReleaseEvent(event);
}

void PlayerWindow::stayOnTopClick() {
    if (m_state.stayOnTopMode == kStayOnTopOff) {
        m_state.stayOnTopMode = kStayOnTopOn;
        ONTOP::SetOnTop(*this, ONTOP::kTrue);
        Image29->setPixmap(Image31);
    } else {
        m_state.stayOnTopMode = kStayOnTopOff;
        ONTOP::SetOnTop(*this, ONTOP::kFalse);
        Image29->setPixmap(Image30);
    }
}

// An address or a playlist file dropped on the window plays.
void PlayerWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() || event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

void PlayerWindow::dropEvent(QDropEvent* event) {
    m_ownStations->playDropped(*event->mimeData());
    event->acceptProposedAction();
}

void PlayerWindow::ownStationChanged(const StationRecord& station, const std::string& kind,
                                     const std::string& name) {
    m_ownStations->stationChanged(station, kind, name);
}

} // namespace lumo
