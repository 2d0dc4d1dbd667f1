// The start-up benchmark's floor: a bare Qt window the player's size with libVLC playing the
// given address into it, and nothing else; further arguments go to libVLC. Prints "playing" once
// libVLC's buffers have filled (when the player says "playing" too); runs until killed.
#include <QApplication>
#include <QWidget>
#include <X11/Xlib.h>
#include <cstdio>
#include <vector>
#include <vlc/vlc.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s address [libVLC arguments...]\n", argv[0]);
        return 2;
    }
    std::vector<const char*> args{"--no-video-title-show", "--quiet"};
    args.insert(args.end(), argv + 2, argv + argc);
    XInitThreads();
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QWidget window;
    window.resize(299, 381);
    window.show();
    libvlc_instance_t* vlc = libvlc_new(static_cast<int>(args.size()), args.data());
    libvlc_media_t* media = libvlc_media_new_location(vlc, argv[1]);
    libvlc_media_player_t* player = libvlc_media_player_new_from_media(media);
    libvlc_media_player_set_xwindow(player, static_cast<uint32_t>(window.winId()));
    libvlc_event_attach(
        libvlc_media_player_event_manager(player), libvlc_MediaPlayerBuffering,
        +[](const libvlc_event_t* event, void*) {
            if (event->u.media_player_buffering.new_cache >= 100.0f) {
                std::printf("playing\n");
                std::fflush(stdout);
            }
        },
        nullptr);
    libvlc_media_player_play(player);
    const int result = QApplication::exec();
    libvlc_media_player_release(player);
    libvlc_media_release(media);
    libvlc_release(vlc);
    return result;
}
