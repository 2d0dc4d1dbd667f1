#include "FtpTestServer.h"

namespace lumo::test {

FtpTestServer::FtpTestServer(const std::filesystem::path& root, std::uint16_t port,
                             int bytesPerSecond) {
    m_process.setProgram(QStringLiteral("/usr/bin/python3")); // sees Debian's packages
    m_process.setArguments({QStringLiteral(LUMO_FTP_SERVER_SCRIPT),
                            QString::fromStdString(root.string()), QString::fromLatin1(kUser),
                            QString::fromLatin1(kPassword), QString::number(port),
                            QString::number(bytesPerSecond)});
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    // The line may already be waiting: only wait for more when no whole line is there.
    while (m_process.canReadLine() || m_process.waitForReadyRead(10000)) {
        while (m_process.canReadLine()) {
            const QByteArray line = m_process.readLine();
            if (line.startsWith("PORT ")) {
                m_port = static_cast<std::uint16_t>(line.mid(5).trimmed().toUInt());
                return;
            }
        }
    }
}

FtpTestServer::~FtpTestServer() {
    kill();
}

void FtpTestServer::kill() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

} // namespace lumo::test
