#include "Ffmpeg.h"

#include <QProcess>

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

} // namespace lumo::test
