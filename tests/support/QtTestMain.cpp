// GoogleTest's main for suites that need a Qt application object. The platform is offscreen
// unless the suite's environment chooses another (the real-window suites run under Xvfb).
#include <QApplication>
#include <gtest/gtest.h>

#include <X11/Xlib.h> // last: its macros clash with other headers

int main(int argc, char** argv) {
    XInitThreads();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
