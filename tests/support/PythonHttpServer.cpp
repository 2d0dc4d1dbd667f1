#include "PythonHttpServer.h"

#include <QRegularExpression>

namespace lumo::test {

PythonHttpServer::PythonHttpServer(const std::filesystem::path& root) {
    m_process.setProgram(QStringLiteral("/usr/bin/python3"));
    m_process.setArguments({QStringLiteral("-u"), QStringLiteral("-m"),
                            QStringLiteral("http.server"), QStringLiteral("--bind"),
                            QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                            QString::fromStdString(root.string()), QStringLiteral("0")});
    m_process.start();
    if (!m_process.waitForStarted(10000)) {
        return;
    }
    // "Serving HTTP on 127.0.0.1 port 40123 (http://127.0.0.1:40123/) ..."
    static const QRegularExpression serving(QStringLiteral("port (\\d+)"));
    QByteArray out;
    while (m_process.waitForReadyRead(10000)) {
        out += m_process.readAllStandardOutput();
        if (const auto match = serving.match(QString::fromLatin1(out)); match.hasMatch()) {
            m_port = static_cast<std::uint16_t>(match.captured(1).toUInt());
            return;
        }
    }
}

PythonHttpServer::~PythonHttpServer() {
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

std::string PythonHttpServer::url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(m_port) + path;
}

int PythonHttpServer::requestCount(const std::string& path) {
    m_log += m_process.readAllStandardError();
    return static_cast<int>(m_log.count(QByteArray("\"GET ") + path.c_str() + " HTTP/"));
}

} // namespace lumo::test
