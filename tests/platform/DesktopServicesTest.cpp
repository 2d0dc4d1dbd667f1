#include "EventWait.h"
#include "platform/DesktopUrlOpener.h"
#include "platform/QtMessageBoxes.h"
#include "platform/ScreenCursor.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace lumo {
namespace {

// Stands in for the desktop's handlers: records what would have been started.
class HandlerSpy : public QObject {
    Q_OBJECT
public:
    QStringList seen;
public slots:
    void handle(const QUrl& url) { seen << url.toString(); }
};

TEST(DesktopUrlOpener, OnlyNetworkAddressesAndTheRecordingsFolderReachTheDesktop) {
    HandlerSpy spy;
    for (const char* scheme : {"http", "https", "mms", "rtsp", "file", "ftp", "javascript"}) {
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &spy, "handle");
    }
    DesktopUrlOpener opener;
    opener.open("http://www.example.org/station");
    opener.open("file:///usr/bin/xterm");
    opener.open("/usr/bin/xterm");
    opener.open("ftp://example.org/file");
    opener.open("javascript:alert(1)");
    opener.open("mms://media.example.org/live");
    opener.open("NONE");
    opener.allowFolder("/home/ann/Music/Lumo");
    opener.open("file:///home/ann/Music/Lumo");
    opener.open("file:///home/ann/Music/Lumo/../../.bashrc");
    for (const char* scheme : {"http", "https", "mms", "rtsp", "file", "ftp", "javascript"}) {
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }
    EXPECT_EQ(spy.seen,
              QStringList({"http://www.example.org/station", "mms://media.example.org/live",
                           "file:///home/ann/Music/Lumo"}));
}

struct ShownBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    bool okOnly = false;
};

// Shows a box, reads it while it is up, then presses its OK button.
ShownBox showAndDismiss(MessageBoxes::Icon icon, const std::string& text) {
    ShownBox seen;
    QtMessageBoxes boxes;
    int closed = 0;
    boxes.show(text, icon, [&] { ++closed; });
    QMessageBox* box = nullptr;
    EXPECT_TRUE(test::waitUntil(
        [&] { return (box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())); },
        5000));
    if (box == nullptr) {
        return seen;
    }
    seen = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size()),
            box->standardButtons() == QMessageBox::Ok};
    EXPECT_EQ(closed, 0) << "nothing follows the box while it is up";
    box->button(QMessageBox::Ok)->click();
    EXPECT_TRUE(test::waitUntil([&] { return closed == 1; }, 5000));
    return seen;
}

TEST(QtMessageBoxes, TitledLumoWithOkOnlyAndTheAskedIcon) {
    const ShownBox failure = showAndDismiss(MessageBoxes::Icon::Stop, "Set Default Failed");
    EXPECT_EQ(failure.title, "Lumo");
    EXPECT_EQ(failure.text, "Set Default Failed");
    EXPECT_EQ(failure.icon, QMessageBox::Critical);
    EXPECT_EQ(failure.buttons, 1);
    EXPECT_TRUE(failure.okOnly);

    const ShownBox info = showAndDismiss(MessageBoxes::Icon::None, "<b>Default</b> Station Set");
    EXPECT_EQ(info.title, "Lumo");
    EXPECT_EQ(info.text, "<b>Default</b> Station Set");
    EXPECT_EQ(info.icon, QMessageBox::NoIcon);
    EXPECT_TRUE(info.okOnly);
}

// The box is up without a loop of its own: timers go on meanwhile. Boxes still up when the
// program ends go without running what was to follow them.
TEST(QtMessageBoxes, EventsGoOnWhileABoxIsUp) {
    int ticks = 0;
    bool followed = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    {
        QtMessageBoxes boxes;
        boxes.show("Station Update Complete", MessageBoxes::Icon::None, [&] { followed = true; });
        EXPECT_TRUE(test::waitUntil([&] { return ticks >= 5; }, 5000));
        EXPECT_NE(QApplication::activeModalWidget(), nullptr);
    }
    test::runFor(50);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(followed);
}

TEST(QtScreenCursor, ReadsWhereThePointerIs) {
    QCursor::setPos(123, 45);
    EXPECT_EQ(QtScreenCursor().position(), QPoint(123, 45));
    QCursor::setPos(7, 300);
    EXPECT_EQ(QtScreenCursor().position(), QPoint(7, 300));
}

} // namespace
} // namespace lumo

#include "DesktopServicesTest.moc"
