#pragma once

#include "media/StreamTap.h"
#include "record/RecordingTags.h"
#include "record/StreamCutter.h"
#include "record/TitleCuts.h"

#include <QElapsedTimer>
#include <QFile>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThreadPool>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace lumo {

// Keeps what the listener hears, from the stream the player reads itself (no second request
// to the station), in a folder of the user's: one file per title when the station names its
// titles ("Station - Artist - Title.mp3", the stream's own extension), else one per recording
// ("Station - 2026-12-09 21.04.mp3"). Each file plays alone (see StreamCutter), and a station
// that changes its title all the time makes few files (see TitleCuts). A file is written as
// "<name>.part"; when it ends, a worker writes its tags and gives it its name, and a song
// caught only in part (recording began or stopped in its middle) is kept as
// "<name> (partial).<ext>". Recording stops by itself when the stream goes (another station,
// stop, the end of the program) and when the disk's free space falls below kLeastFreeBytes.
class Recorder : public QObject {
    Q_OBJECT
public:
    static constexpr std::int64_t kLeastFreeBytes = 500LL * 1024 * 1024;
    // Longest file name, in bytes.
    static constexpr std::size_t kLongestName = 200;
    // Free space in bytes on the disk that holds a path.
    using FreeSpace = std::function<std::int64_t(const std::filesystem::path&)>;

    explicit Recorder(std::filesystem::path folder, FreeSpace freeSpace = {},
                      QObject* parent = nullptr);
    // Waits for the files being finished: the program is ending.
    ~Recorder() override;

    // What came before recording began and is kept: the song being heard from its start, in
    // pieces by title, each with how long ago it began to arrive; the first piece begins
    // where its song did.
    struct Preroll {
        struct Piece {
            std::string title;
            std::string bytes;
            double secondsAgo = 0;
        };
        std::vector<Piece> pieces;
    };

    // Starts keeping what `tap` brings, after `preroll` when given; `station` names the files
    // and their album, `address` goes into their comment. Says why not when it cannot start
    // (empty when it started).
    QString start(StreamTap& tap, const std::string& station, const std::string& address = {},
                  const Preroll& preroll = {});
    void setLimits(TitleCuts::Limits limits) { m_cuts.setLimits(limits); }
    // Stops, keeping what was written.
    void stop();
    bool recording() const { return m_tap != nullptr; }
    const std::filesystem::path& folder() const { return m_folder; }
    // The folder as the status line names it ("~/Music/Lumo").
    QString shownFolder() const;
    // The file being written now (its ".part" name).
    std::filesystem::path writing() const;

signals:
    // Recording stopped by itself; `why` is for the status line.
    void stopped(QString why);
    // A file has its tags and its name.
    void fileFinished(QString path);

private:
    bool enoughRoom() const;
    std::string stemFor(const std::string& title) const;
    bool open(const std::string& title, bool whole);
    void finish(bool whole);
    void write(std::string_view bytes);
    void nextFile();
    void retitle(const std::string& title);
    void newTitle(const QString& title);
    void titleAt(const std::string& title, TitleCuts::Clock::time_point when);
    bool chainTitle(const std::string& title);
    void end(const QString& why);

    std::filesystem::path m_folder;
    FreeSpace m_freeSpace;
    QPointer<StreamTap> m_tap;
    std::unique_ptr<StreamCutter> m_cutter;
    TitleCuts m_cuts;
    std::string m_station;
    std::string m_address;
    std::string m_extension;
    RecordingFormat m_format = RecordingFormat::Other;
    bool m_titled = false;
    std::string m_title;      // the file's title
    std::string m_stem;       // the file's name without its extension
    bool m_fromStart = false; // the file began where its song did
    bool m_cutPending = false;
    std::string m_nextTitle; // the title of the file that begins at the pending cut
    QFile m_file;
    QElapsedTimer m_lastLook; // free space is looked at about once a second
    QThreadPool m_finishing;  // one file after another
};

} // namespace lumo
