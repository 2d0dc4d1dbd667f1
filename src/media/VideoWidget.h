#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <memory>

namespace lumo {

// The rectangle the video is drawn into. It owns a native window that the media framework
// draws on; for full screen the widget itself moves into a top-level full-screen window and
// back, so that native window, and the picture in it, stays the same.
class VideoWidget : public QWidget {
    Q_OBJECT
public:
    explicit VideoWidget(QWidget* parent = nullptr);
    ~VideoWidget() override;

    bool isFullScreen() const { return m_host != nullptr; }
    void setFullScreen(bool on);

    // The top-level window that holds the video while it fills the screen, if any.
    QWidget* fullScreenWindow() const;

signals:
    void clicked();
    void doubleClicked();
    void resized();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QWidget> m_host;
    QPointer<QWidget> m_normalParent;
    QRect m_normalGeometry;
    bool m_pressed = false;
    bool m_swallowRelease = false;
};

} // namespace lumo
