#include "app/CommandLine.h"
#include "app/PlayerWindow.h"
#include "desktop/Shortcut.h"
#include "desktop/SingleInstance.h"
#include "media/VlcMediaPlayer.h"
#include "net/NetEngine.h"
#include "platform/DesktopUrlOpener.h"
#include "platform/QtMessageBoxes.h"
#include "platform/ScreenCursor.h"
#include "platform/Translations.h"
#include "playback/Playback.h"
#include "record/Recorder.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QThreadPool>
#include <X11/Xlib.h>
#include <cstdio>

int main(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const lumo::CommandLine command = lumo::readCommandLine(arguments);
    if (command.action == lumo::CommandLine::Action::Help ||
        command.action == lumo::CommandLine::Action::Version) {
        std::fputs(command.text.c_str(), stdout);
        return 0;
    }
    if (command.action == lumo::CommandLine::Action::Refused) {
        std::fprintf(stderr, "lumo: %s\n", command.text.c_str());
        return 2;
    }
    // libVLC draws from its own threads into our X window.
    XInitThreads();
    // Video is drawn into a native X window, and the windows place themselves: Wayland desktops
    // run us through XWayland. Only with no X server at all (a compositor without XWayland) do
    // we start on Wayland itself, rather than not at all.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM",
                qEnvironmentVariableIsEmpty("DISPLAY") ? "wayland;xcb" : "xcb;wayland");
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumo"));
    lumo::installTranslations(app);
    // Docks and task switchers find the launcher of the window by it (on X11 also by the
    // window's class, "Lumo", which the entries name).
    QGuiApplication::setDesktopFileName(QStringLiteral(LUMO_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/artwork/icon.png")));
    // The program ends through the player window (its shutdown button or its closing), not
    // when the last visible window goes: the player hides itself behind message boxes and
    // the station chooser.
    QApplication::setQuitOnLastWindowClosed(false);
    // A player already on this desktop takes the station and shows itself; this start ends.
    lumo::SingleInstance instance;
    if (instance.claim(QString::fromStdString(command.address),
                       QString::fromStdString(command.name)) ==
        lumo::SingleInstance::Role::HandedOver) {
        return 0;
    }
    // libVLC starts while the window is built (after the application object, which sets the
    // locale libVLC reads).
    auto vlc = std::make_shared<lumo::VlcCoreStart>();

    lumo::ProgramState state;
    const lumo::AppFolder folder = lumo::AppFolder::ofRunningExecutable();
    lumo::DesktopUrlOpener shell;
    lumo::QtMessageBoxes messages;
    lumo::QtScreenCursor cursor;
    lumo::NetEngine network;
    lumo::PlayerWindow window(
        state, folder,
        {.shell = shell,
         .messages = messages,
         .cursor = cursor,
         .network = network,
         .makeMediaPlayer = [&network, &vlc, &folder](
                                lumo::VideoWidget* video) -> std::unique_ptr<lumo::MediaPlayer> {
             lumo::VlcMediaPlayer::Options options;
             options.early = std::move(vlc);
             // A live stream is kept while it plays, to pause it and move back in it.
             options.timeshift.folder = lumo::AppFolder::cacheFor(folder.path());
             return std::make_unique<lumo::VlcMediaPlayer>(video, network, std::move(options));
         },
         .createDesktopShortcut =
             [] {
                 // Files only, written (and synced) off the window's thread while the station
                 // starts; the application waits for it before it ends.
                 QThreadPool::globalInstance()->start([] {
                     // The executable itself: an installed one keeps its files elsewhere.
                     std::error_code ec;
                     const auto executable = std::filesystem::canonical("/proc/self/exe", ec);
                     QFile icon(QStringLiteral(":/artwork/icon.png"));
                     icon.open(QIODevice::ReadOnly);
                     if (!ec) {
                         lumo::SHORTCUT::CreateDesktopShortcut(executable,
                                                               icon.readAll().toStdString());
                     }
                 });
             },
         .desktopBus = true});
    shell.allowFolder(window.playback().recorder().folder());
    QObject::connect(&instance, &lumo::SingleInstance::opened, &window,
                     [&window](const QString& address, const QString& name) {
                         if (!address.isEmpty()) {
                             window.playback().openAddress(address.toStdString(),
                                                           name.toStdString());
                         }
                         window.raiseWindow();
                     });
    if (!command.address.empty()) {
        window.startWith(command.address, command.name);
    }
    window.load();
    return QApplication::exec();
}
