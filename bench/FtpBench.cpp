// Station list download benchmark: 5 MiB and 20 MiB through cFTP (255-byte blocks) against
// the curl command fetching the same file from the same local FTP server, twice: into
// /dev/null, and as cFTP does, into a file in the same folder made durable (curl, then `sync`
// on that file: cFTP writes a temporary file, flushes it to disk and renames it).
#include "EventWait.h"
#include "Fakes.h"
#include "FtpTestServer.h"
#include "Median.h"
#include "TempFolder.h"
#include "net/NetEngine.h"
#include "update/Ftp.h"

#include <QCoreApplication>
#include <QProcess>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Runs one of the session's operations to its end, the event loop turning meanwhile.
template <class Call> bool finished(Call call) {
    return lumo::test::resultOf<bool>([&](auto done) { call(lumo::cFTP::Done(done)); })
        .value_or(false);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    lumo::test::TempFolder site;
    lumo::test::TempFolder here;
    lumo::test::FtpTestServer server(site.path());
    if (!server.running()) {
        std::fprintf(stderr, "the FTP server did not start\n");
        return 1;
    }
    lumo::ProgramState state;
    lumo::test::RecordingMessageBoxes messages;
    lumo::NetEngine engine;
    lumo::cFTP ftp(state, messages, engine, [] {});
    ftp.SetModePassive();
    if (!finished([&](auto done) {
            ftp.OpenConnection(server.address(), lumo::test::FtpTestServer::kUser,
                               lumo::test::FtpTestServer::kPassword, done);
        })) {
        std::fprintf(stderr, "%s\n", ftp.GetLastErrorMessage().c_str());
        return 1;
    }
    for (int mebibytes : {5, 20}) {
        const std::string name = "Lumo" + std::to_string(mebibytes) + ".csv";
        site.write(name, std::string(static_cast<std::size_t>(mebibytes) << 20, 'x'));
        const std::string local = (here.path() / name).string();
        const double ours = lumo::bench::medianMs(5, [&] {
            return finished([&](auto done) { ftp.FTPDownloadFile(local, name, done); });
        });
        const QString url =
            QStringLiteral("ftp://%1:%2@%3/%4")
                .arg(lumo::test::FtpTestServer::kUser, lumo::test::FtpTestServer::kPassword,
                     QString::fromStdString(server.address()), QString::fromStdString(name));
        auto curlInto = [&](const QString& file) {
            return QProcess::execute(QStringLiteral("curl"),
                                     {QStringLiteral("-s"), QStringLiteral("-o"), file, url}) == 0;
        };
        const double curl =
            lumo::bench::medianMs(5, [&] { return curlInto(QStringLiteral("/dev/null")); });
        const QString copy = QString::fromStdString((here.path() / ("curl-" + name)).string());
        const double curlDurable = lumo::bench::medianMs(5, [&] {
            return curlInto(copy) && QProcess::execute(QStringLiteral("sync"), {copy}) == 0;
        });
        std::printf("%2d MiB: cFTP %6.1f ms; curl into /dev/null %6.1f ms, ratio %.2f; curl into "
                    "a file and sync %6.1f ms, ratio %.2f\n",
                    mebibytes, ours, curl, ours / curl, curlDurable, ours / curlDurable);
    }
    return 0;
}
