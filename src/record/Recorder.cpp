#include "record/Recorder.h"

#include "media/StreamTap.h"
#include "net/OggPages.h"
#include "record/RecordingName.h"

#include <QDateTime>
#include <QDir>
#include <QStorageInfo>
#include <chrono>
#include <cstring>
#include <system_error>

namespace lumo {

namespace {

constexpr qint64 kLookEveryMilliseconds = 1000;
constexpr const char* kPartial = " (partial)";
constexpr const char* kPart = ".part";

QString qtPath(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// `stem` + `rest`, or with " (2)", " (3)"... after the stem when that is taken.
std::filesystem::path unused(const std::filesystem::path& folder, const std::string& stem,
                             const std::string& rest) {
    std::filesystem::path path = folder / (stem + rest);
    for (int n = 2; n < 1000; ++n) {
        std::error_code error;
        if (!std::filesystem::exists(std::filesystem::symlink_status(path, error))) {
            break;
        }
        std::string name = stem;
        name += " (" + std::to_string(n) + ")";
        name += rest;
        path = folder / name;
    }
    return path;
}

// The extension and kind of file for a stream: Ogg by the codec its head names.
std::pair<std::string, RecordingFormat> formatOf(const StreamTap& tap) {
    if (const OggHead* head = tap.oggHead()) {
        switch (head->codec()) {
        case OggHead::Codec::Opus:
            return {"opus", RecordingFormat::OggOpus};
        case OggHead::Codec::Flac:
            return {"oga", RecordingFormat::OggFlac};
        case OggHead::Codec::Vorbis:
            return {"ogg", RecordingFormat::OggVorbis};
        default:
            return {"ogg", RecordingFormat::Other};
        }
    }
    const std::string extension = safeFileName(tap.extension(), 8);
    if (extension == "mp3") {
        return {extension, RecordingFormat::Mp3};
    }
    return {extension, extension == "aac" ? RecordingFormat::Adts : RecordingFormat::Other};
}

} // namespace

Recorder::Recorder(std::filesystem::path folder, FreeSpace freeSpace, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_freeSpace(std::move(freeSpace)) {
    if (!m_freeSpace) {
        m_freeSpace = [](const std::filesystem::path& path) {
            return QStorageInfo(qtPath(path)).bytesAvailable();
        };
    }
    m_finishing.setMaxThreadCount(1);
}

Recorder::~Recorder() {
    stop();
    m_finishing.waitForDone();
}

std::filesystem::path Recorder::writing() const {
    return m_file.isOpen() ? std::filesystem::path(m_file.fileName().toStdString())
                           : std::filesystem::path();
}

QString Recorder::shownFolder() const {
    QString folder = QDir::cleanPath(qtPath(m_folder));
    const QString home = QDir::homePath();
    if (folder.startsWith(home + QLatin1Char('/'))) {
        return QStringLiteral("~") + folder.mid(home.size());
    }
    return folder;
}

bool Recorder::enoughRoom() const {
    return m_freeSpace(m_folder) >= kLeastFreeBytes;
}

QString Recorder::start(StreamTap& tap, const std::string& station, const std::string& address,
                        const Preroll& preroll) {
    stop();
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error) {
        return tr("Not recording - the folder could not be made");
    }
    if (!enoughRoom()) {
        return tr("Not recording - less than 500 MB free");
    }
    m_station = station;
    m_address = address;
    std::tie(m_extension, m_format) = formatOf(tap);
    const OggHead* head = tap.oggHead();
    const bool fromStart = !preroll.pieces.empty();
    const std::string title = fromStart              ? preroll.pieces.front().title
                              : !tap.title().empty() ? tap.title()
                              : head                 ? head->title()
                                                     : "";
    m_titled = tap.namesTitles() || !title.empty();
    m_cutPending = false;
    if (!open(title, fromStart)) {
        return tr("Not recording - the file could not be written");
    }
    const auto now = TitleCuts::Clock::now();
    const auto ago = [now](double seconds) {
        return now - std::chrono::duration_cast<TitleCuts::Clock::duration>(
                         std::chrono::duration<double>(seconds));
    };
    m_cuts.begin(title, fromStart ? ago(preroll.pieces.front().secondsAgo) : now);
    m_cutter = StreamCutter::make(tap.extension(), head,
                                  {[this](std::string_view bytes) { write(bytes); },
                                   [this] { nextFile(); },
                                   [this](const std::string& chain) { return chainTitle(chain); }});
    m_tap = &tap;
    connect(&tap, &StreamTap::audio, this, [this](const QByteArray& bytes) {
        m_cutter->pass(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    });
    connect(&tap, &StreamTap::titleChanged, this, &Recorder::newTitle);
    connect(&tap, &StreamTap::ended, this, [this] { end(tr("Recording stopped")); });
    connect(&tap, &StreamTap::closing, this, [this] { end(tr("Recording stopped")); });
    // What was kept goes first, its titles told when they came.
    for (std::size_t i = 0; i < preroll.pieces.size() && m_cutter; ++i) {
        const Preroll::Piece& piece = preroll.pieces[i];
        if (i > 0) {
            titleAt(piece.title, ago(piece.secondsAgo));
        }
        m_cutter->pass(piece.bytes);
    }
    return {};
}

void Recorder::stop() {
    if (m_tap) {
        disconnect(m_tap, nullptr, this, nullptr);
    }
    m_tap = nullptr;
    if (m_cutter && m_file.isOpen()) {
        if (const qint64 tail = m_cutter->unfinishedTail(); tail > 0 && tail <= m_file.size()) {
            m_file.resize(m_file.size() - tail); // the last frame came only in part
        }
    }
    finish(false);
    m_cutter.reset();
}

void Recorder::end(const QString& why) {
    if (!recording()) {
        return;
    }
    stop();
    emit stopped(why);
}

std::string Recorder::stemFor(const std::string& title) const {
    std::string stem = m_station + " - ";
    if (m_titled && !title.empty()) {
        stem += title;
    } else {
        stem += QDateTime::currentDateTime()
                    .toString(QStringLiteral("yyyy-MM-dd HH.mm.ss"))
                    .toStdString();
    }
    // Room for what may follow the stem: " (partial) (999).ext.part".
    const std::size_t reserve =
        std::strlen(kPartial) + std::strlen(" (999).") + m_extension.size() + std::strlen(kPart);
    return safeFileName(stem, kLongestName - reserve);
}

bool Recorder::open(const std::string& title, bool whole) {
    m_title = title;
    m_stem = stemFor(title);
    m_fromStart = whole;
    m_lastLook.start();
    m_file.setFileName(qtPath(unused(m_folder, m_stem, "." + m_extension + kPart)));
    // Never an existing file, nor through a link someone left at that name.
    return m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

// The file is closed here; its tags and its name come from the worker, in order.
void Recorder::finish(bool whole) {
    if (!m_file.isOpen()) {
        return;
    }
    m_file.close();
    const std::filesystem::path part = m_file.fileName().toStdString();
    const bool partial = m_titled && !(m_fromStart && whole);
    const std::string stem = m_stem + (partial ? kPartial : "");
    const RecordingTags tags =
        RecordingTags::of(m_titled ? m_title : std::string(), m_station, m_address,
                          QDate::currentDate().toString(Qt::ISODate).toStdString());
    m_finishing.start(
        [this, part, stem, tags, folder = m_folder, format = m_format, rest = "." + m_extension] {
            std::error_code error;
            if (std::filesystem::file_size(part, error) == 0 || error) {
                std::filesystem::remove(part, error);
                return;
            }
            writeRecordingTags(part, format, tags); // untagged, the file still plays
            const std::filesystem::path final = unused(folder, stem, rest);
            // When it cannot be renamed, the ".part" file stays as it is.
            const QString path =
                QFile::rename(qtPath(part), qtPath(final)) ? qtPath(final) : qtPath(part);
            QMetaObject::invokeMethod(
                this, [this, path] { emit fileFinished(path); }, Qt::QueuedConnection);
        });
}

void Recorder::write(std::string_view bytes) {
    if (!m_file.isOpen()) {
        return;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (m_file.write(bytes.data(), size) != size) {
        end(tr("Recording stopped - the file could not be written"));
        return;
    }
    if (m_lastLook.elapsed() >= kLookEveryMilliseconds) {
        m_lastLook.start();
        if (!enoughRoom()) {
            end(tr("Recording stopped - less than 500 MB free"));
        }
    }
}

void Recorder::nextFile() {
    m_cutPending = false;
    finish(true);
    if (!open(m_nextTitle, true)) {
        end(tr("Recording stopped - the file could not be written"));
    }
}

// The file under way, still short, takes the name of the title that came; a file about to
// begin takes it instead.
void Recorder::retitle(const std::string& title) {
    if (m_cutPending) {
        m_nextTitle = title;
        return;
    }
    m_title = title;
    m_stem = stemFor(title);
    m_fromStart = true;
}

void Recorder::newTitle(const QString& title) {
    titleAt(title.toStdString(), TitleCuts::Clock::now());
}

void Recorder::titleAt(const std::string& text, TitleCuts::Clock::time_point when) {
    m_titled = m_titled || !text.empty();
    switch (m_cuts.next(text, when)) {
    case TitleCuts::Step::Cut:
        m_nextTitle = text;
        m_cutPending = true;
        m_cutter->cutSoon();
        break;
    case TitleCuts::Step::Rename:
        retitle(text);
        break;
    case TitleCuts::Step::Keep:
        break;
    }
}

bool Recorder::chainTitle(const std::string& title) {
    m_titled = m_titled || !title.empty();
    switch (m_cuts.next(title, TitleCuts::Clock::now())) {
    case TitleCuts::Step::Cut:
        m_nextTitle = title;
        return true;
    case TitleCuts::Step::Rename:
        retitle(title);
        break;
    case TitleCuts::Step::Keep:
        break;
    }
    return false;
}

} // namespace lumo
