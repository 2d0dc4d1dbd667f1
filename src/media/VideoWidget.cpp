#include "media/VideoWidget.h"

#include "platform/DisplaySession.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>

namespace lumo {

VideoWidget::VideoWidget(QWidget* parent) : QWidget(parent) {
    // A window of its own for libVLC to draw into. On Wayland itself libVLC cannot: there the
    // widget is an ordinary one that Qt fills with black, or the window (see-through outside
    // its outline) would show the desktop through the picture's place.
    if (!onNativeWayland()) {
        setAttribute(Qt::WA_NativeWindow);
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    setAutoFillBackground(true);
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setFocusPolicy(Qt::ClickFocus);
    setToolTip(tr("Press Escape for Normal View"));
}

VideoWidget::~VideoWidget() {
    if (m_host) {
        qApp->removeEventFilter(this);
        // Leave the host without deleting ourselves with it.
        setParent(m_normalParent);
    }
}

QWidget* VideoWidget::fullScreenWindow() const {
    return m_host.get();
}

void VideoWidget::setFullScreen(bool on) {
    if (on == isFullScreen()) {
        return;
    }
    if (on) {
        m_normalParent = parentWidget();
        m_normalGeometry = geometry();
        m_host = std::make_unique<QWidget>();
        m_host->setWindowTitle(QStringLiteral("Lumo"));
        m_host->setAutoFillBackground(true);
        m_host->setPalette(palette());
        // Escape leaves full screen wherever the keyboard is: without a window manager the
        // new window may never get the focus.
        qApp->installEventFilter(this);
        auto* layout = new QVBoxLayout(m_host.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(this);
        // Without a window manager nobody else gives the window the screen's size.
        QScreen* screen =
            m_normalParent ? m_normalParent->screen() : QGuiApplication::primaryScreen();
        if (screen != nullptr) {
            m_host->setGeometry(screen->geometry());
        }
        m_host->showFullScreen();
        show();
        m_host->activateWindow();
        setFocus();
    } else {
        qApp->removeEventFilter(this);
        setParent(m_normalParent);
        setGeometry(m_normalGeometry);
        show();
        m_host.reset();
    }
}

void VideoWidget::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton || event->button() == Qt::RightButton;
}

void VideoWidget::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasPressed = std::exchange(m_pressed, false);
    if (std::exchange(m_swallowRelease, false)) {
        return; // the release that ends a double click is not a click of its own
    }
    if (wasPressed && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
}

void VideoWidget::mouseDoubleClickEvent(QMouseEvent*) {
    m_swallowRelease = true;
    emit doubleClicked();
}

void VideoWidget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

bool VideoWidget::eventFilter(QObject* watched, QEvent* event) {
    if (isFullScreen() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        // Deferred: the host window must not be deleted inside its own event.
        QMetaObject::invokeMethod(
            this, [this] { setFullScreen(false); }, Qt::QueuedConnection);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace lumo
