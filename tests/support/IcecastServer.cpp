#include "IcecastServer.h"

#include "LoopbackHttpServer.h"

#include <QUrl>
#include <fstream>
#include <unistd.h>

namespace lumo::test {

namespace {

constexpr const char* kSourcePassword = "source-secret";
constexpr const char* kAdminPassword = "admin-secret";

} // namespace

IcecastServer::IcecastServer(const std::filesystem::path& folder) : m_port(closedLoopbackPort()) {
    std::filesystem::create_directories(folder);
    // Icecast will not run as root: it becomes its own user. Its logs go to its standard error.
    const std::string owner = getuid() == 0 ? "<changeowner><user>icecast2</user>"
                                              "<group>icecast</group></changeowner>"
                                            : "";
    std::ofstream(folder / "icecast.xml")
        << "<icecast><limits><clients>8</clients><sources>2</sources></limits>"
        << "<authentication><source-password>" << kSourcePassword
        << "</source-password><admin-user>admin</admin-user><admin-password>" << kAdminPassword
        << "</admin-password></authentication><hostname>127.0.0.1</hostname>"
        << "<listen-socket><port>" << m_port
        << "</port><bind-address>127.0.0.1</bind-address></listen-socket>"
        << "<paths><basedir>/usr/share/icecast2</basedir><logdir>/tmp</logdir><webroot>/usr/share/"
           "icecast2/web</webroot>"
        << "<adminroot>/usr/share/icecast2/admin</adminroot></paths>"
        << "<logging><accesslog>-</accesslog><errorlog>-</errorlog>"
        << "<loglevel>2</loglevel></logging><security><chroot>0</chroot>" << owner
        << "</security></icecast>\n";
    m_icecast.setProgram(QStringLiteral("/usr/bin/icecast2"));
    m_icecast.setArguments(
        {QStringLiteral("-c"), QString::fromStdString((folder / "icecast.xml").string())});
    m_icecast.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_icecast.start();
    m_icecast.waitForStarted(10000);
}

void IcecastServer::startSource(const QString& codec) {
    const bool aac = codec == QLatin1String("aac");
    m_source.setProgram(QStringLiteral("ffmpeg"));
    m_source.setArguments(
        {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
         QStringLiteral("-re"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
         QStringLiteral("sine=frequency=440:sample_rate=44100"), QStringLiteral("-c:a"),
         aac ? QStringLiteral("aac") : QStringLiteral("libmp3lame"), QStringLiteral("-b:a"),
         QStringLiteral("64k"), QStringLiteral("-content_type"),
         aac ? QStringLiteral("audio/aac") : QStringLiteral("audio/mpeg"),
         QStringLiteral("-ice_name"), QStringLiteral("Ice FM"), QStringLiteral("-f"),
         aac ? QStringLiteral("adts") : QStringLiteral("mp3"),
         QStringLiteral("icecast://source:%1@127.0.0.1:%2/live")
             .arg(QLatin1String(kSourcePassword))
             .arg(m_port)});
    m_source.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_source.start();
    m_source.waitForStarted(10000);
}

void IcecastServer::startOggSource(const std::vector<std::filesystem::path>& songs) {
    QStringList arguments{QStringLiteral(LUMO_OGG_SOURCE_SCRIPT), QString::number(m_port),
                          QLatin1String(kSourcePassword), QStringLiteral("/live")};
    for (const auto& song : songs) {
        arguments << QString::fromStdString(song.string());
    }
    m_source.setProgram(QStringLiteral("python3"));
    m_source.setArguments(arguments);
    m_source.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_source.start();
    m_source.waitForStarted(10000);
}

IcecastServer::~IcecastServer() {
    for (QProcess* process : {&m_source, &m_icecast}) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
}

std::string IcecastServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

std::string IcecastServer::titleUpdate(const std::string& title) const {
    return "http://admin:" + std::string(kAdminPassword) + "@127.0.0.1:" + std::to_string(m_port) +
           "/admin/metadata?mount=/live&mode=updinfo&song=" +
           QUrl::toPercentEncoding(QString::fromStdString(title)).toStdString();
}

} // namespace lumo::test
