#pragma once

#include <QProcess>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lumo::test {

// Python's http.server on 127.0.0.1 serving `root`: a plain server nobody on the project
// wrote, which answers without byte ranges. Started for one test and killed with it.
class PythonHttpServer {
public:
    explicit PythonHttpServer(const std::filesystem::path& root);
    ~PythonHttpServer();
    PythonHttpServer(const PythonHttpServer&) = delete;
    PythonHttpServer& operator=(const PythonHttpServer&) = delete;

    bool running() const { return m_port != 0; }
    std::string url(const std::string& path) const;
    // How many GET requests for `path` the server has logged so far.
    int requestCount(const std::string& path);

private:
    QProcess m_process;
    std::uint16_t m_port = 0;
    QByteArray m_log;
};

} // namespace lumo::test
