#include "record/Recorder.h"

#include "media/StreamTap.h"
#include "record/RecordingName.h"

#include <QDateTime>
#include <QStorageInfo>
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
        path = folder / (stem + " (" + std::to_string(n) + ")" + rest);
    }
    return path;
}

} // namespace

Recorder::Recorder(std::filesystem::path folder, FreeSpace freeSpace, QObject* parent)
    : QObject(parent), m_folder(std::move(folder)), m_freeSpace(std::move(freeSpace)) {
    if (!m_freeSpace) {
        m_freeSpace = [](const std::filesystem::path& path) {
            return QStorageInfo(qtPath(path)).bytesAvailable();
        };
    }
}

Recorder::~Recorder() {
    stop();
}

std::filesystem::path Recorder::writing() const {
    return m_file.isOpen() ? std::filesystem::path(m_file.fileName().toStdString())
                           : std::filesystem::path();
}

bool Recorder::enoughRoom() const {
    return m_freeSpace(m_folder) >= kLeastFreeBytes;
}

QString Recorder::start(StreamTap& tap, const std::string& station) {
    stop();
    std::error_code error;
    std::filesystem::create_directories(m_folder, error);
    if (error) {
        return QStringLiteral("Not recording - the folder could not be made");
    }
    if (!enoughRoom()) {
        return QStringLiteral("Not recording - less than 500 MB free");
    }
    m_station = station;
    m_extension = safeFileName(tap.extension(), 8);
    m_titled = tap.namesTitles();
    if (!open(tap.title(), false)) {
        return QStringLiteral("Not recording - the file could not be written");
    }
    m_tap = &tap;
    connect(&tap, &StreamTap::audio, this, &Recorder::write);
    connect(&tap, &StreamTap::titleChanged, this, &Recorder::newTitle);
    connect(&tap, &StreamTap::ended, this, [this] { end(QStringLiteral("Recording stopped")); });
    connect(&tap, &StreamTap::closing, this, [this] { end(QStringLiteral("Recording stopped")); });
    return {};
}

void Recorder::stop() {
    if (m_tap) {
        disconnect(m_tap, nullptr, this, nullptr);
    }
    m_tap = nullptr;
    finish(false);
}

void Recorder::end(const QString& why) {
    if (!recording()) {
        return;
    }
    stop();
    emit stopped(why);
}

bool Recorder::open(const std::string& title, bool whole) {
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
    m_stem = safeFileName(stem, kLongestName - reserve);
    m_fromStart = whole;
    m_lastLook.start();
    m_file.setFileName(qtPath(unused(m_folder, m_stem, "." + m_extension + kPart)));
    // Never an existing file, nor through a link someone left at that name.
    return m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly);
}

void Recorder::finish(bool whole) {
    if (!m_file.isOpen()) {
        return;
    }
    m_file.close();
    if (m_file.size() == 0) {
        m_file.remove();
        return;
    }
    const bool partial = m_titled && !(m_fromStart && whole);
    const std::string suffix = partial ? kPartial : "";
    const std::filesystem::path final = unused(m_folder, m_stem + suffix, "." + m_extension);
    m_file.rename(qtPath(final)); // when it cannot, the ".part" file stays as it is
}

void Recorder::write(const QByteArray& bytes) {
    if (!m_file.isOpen()) {
        return;
    }
    if (m_file.write(bytes) != bytes.size()) {
        end(QStringLiteral("Recording stopped - the file could not be written"));
        return;
    }
    if (m_lastLook.elapsed() >= kLookEveryMilliseconds) {
        m_lastLook.start();
        if (!enoughRoom()) {
            end(QStringLiteral("Recording stopped - less than 500 MB free"));
        }
    }
}

void Recorder::newTitle(const QString& title) {
    finish(true);
    if (!open(title.toStdString(), true)) {
        end(QStringLiteral("Recording stopped - the file could not be written"));
    }
}

} // namespace lumo
