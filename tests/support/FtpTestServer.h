#pragma once

#include <QProcess>
#include <cstdint>
#include <filesystem>
#include <string>

namespace lumo::test {

// A real FTP server (Debian's pyftpdlib) on 127.0.0.1 serving `root`, started for one test
// and killed with it. Killing it really cuts a running transfer. With a rate, its data
// connections send at most that many bytes a second.
class FtpTestServer {
public:
    static constexpr const char* kUser = "lumo";
    static constexpr const char* kPassword = "s3cret7";

    explicit FtpTestServer(const std::filesystem::path& root, std::uint16_t port = 0,
                           int bytesPerSecond = 0);
    ~FtpTestServer();

    bool running() const { return m_port != 0; }
    std::uint16_t port() const { return m_port; }
    std::string address() const { return "127.0.0.1:" + std::to_string(m_port); }
    void kill();

private:
    QProcess m_process;
    std::uint16_t m_port = 0;
};

} // namespace lumo::test
