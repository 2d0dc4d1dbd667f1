#include "Ffmpeg.h"

#include "TempFolder.h"

#include <QProcess>
#include <fstream>
#include <iterator>

namespace lumo::test {

bool runFfmpeg(const QStringList& arguments) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"),
                 QStringList{QStringLiteral("-nostdin"), QStringLiteral("-loglevel"),
                             QStringLiteral("error"), QStringLiteral("-y")} +
                     arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit &&
           ffmpeg.exitCode() == 0;
}

bool makeOggNoise(const std::filesystem::path& path, double seconds, const QString& artist,
                  const QString& title) {
    return runFfmpeg(
        {QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("anoisesrc=amplitude=0.2:sample_rate=44100:duration=%1").arg(seconds),
         QStringLiteral("-c:a"), QStringLiteral("libvorbis"), QStringLiteral("-q:a"),
         QStringLiteral("3"), QStringLiteral("-metadata"), QStringLiteral("artist=") + artist,
         QStringLiteral("-metadata"), QStringLiteral("title=") + title,
         QString::fromStdString(path.string())});
}

std::string probedCodec(const std::filesystem::path& file) {
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("/usr/bin/ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                   QStringLiteral("a:0"), QStringLiteral("-show_entries"),
                   QStringLiteral("stream=codec_name"), QStringLiteral("-of"),
                   QStringLiteral("csv=p=0"), QString::fromStdString(file.string())});
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0) {
        return {};
    }
    return ffprobe.readAllStandardOutput().trimmed().toStdString();
}

std::map<std::string, std::string> probedTags(const std::filesystem::path& file) {
    QProcess ffprobe;
    ffprobe.start(QStringLiteral("/usr/bin/ffprobe"),
                  {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                   QStringLiteral("format_tags"), QStringLiteral("-of"),
                   QStringLiteral("default=noprint_wrappers=1"),
                   QString::fromStdString(file.string())});
    std::map<std::string, std::string> tags;
    if (!ffprobe.waitForFinished(30000) || ffprobe.exitCode() != 0) {
        return tags;
    }
    for (const QByteArray& line : ffprobe.readAllStandardOutput().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (line.startsWith("TAG:") && equals > 4) {
            tags[line.mid(4, equals - 4).toLower().toStdString()] =
                line.mid(equals + 1).toStdString();
        }
    }
    return tags;
}

bool decodesCleanly(const std::filesystem::path& file) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("/usr/bin/ffmpeg"),
                 {QStringLiteral("-nostdin"), QStringLiteral("-v"), QStringLiteral("error"),
                  QStringLiteral("-i"), QString::fromStdString(file.string()), QStringLiteral("-f"),
                  QStringLiteral("null"), QStringLiteral("-")});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0 &&
           ffmpeg.readAllStandardError().trimmed().isEmpty();
}

const std::string& mp3Tone() {
    static const std::string tone = [] {
        TempFolder folder;
        const auto path = folder.path() / "tone.mp3";
        if (!runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:duration=20", "-c:a", "libmp3lame",
                        "-b:a", "128k", "-write_xing", "0",
                        QString::fromStdString(path.string())})) {
            return std::string();
        }
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    return tone;
}

} // namespace lumo::test
