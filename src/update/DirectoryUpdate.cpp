#include "update/DirectoryUpdate.h"

#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/StationRecord.h"
#include "net/HttpRead.h"
#include "platform/AppFolder.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <algorithm>
#include <random>
#include <sstream>

namespace lumo {

namespace {

// The directory's list, the current list's television records after it; nothing when the
// directory's answer holds no station.
std::optional<std::string> mergedList(const QByteArray& answer,
                                      const std::filesystem::path& current) {
    const auto radio = stationListFromExport(answer, {});
    if (!radio) {
        return std::nullopt;
    }
    FieldReader check(*radio);
    if (!readStationRecord(check)) {
        return std::nullopt;
    }
    FieldWriter television;
    if (const auto bytes = readWholeFile(current)) {
        FieldReader reader(*bytes);
        while (const auto record = readStationRecord(reader)) {
            if (record->kind == "TV") {
                television.text(record->kind)
                    .text(record->genre)
                    .text(record->name)
                    .text(record->webPage)
                    .text(record->streamUrl)
                    .text(record->liveFeedUrl)
                    .endRecord();
            }
        }
    }
    return *radio + television.bytes();
}

} // namespace

DirectorySettings DirectorySettings::fromBuild() {
    DirectorySettings settings;
    std::istringstream servers(LUMO_DIRECTORY_SERVERS);
    for (std::string server; std::getline(servers, server, ';');) {
        if (!server.empty()) {
            settings.servers.push_back(server);
        }
    }
    settings.limit = LUMO_DIRECTORY_LIMIT;
    return settings;
}

DirectoryUpdate::DirectoryUpdate(NetEngine& engine, std::filesystem::path stationList,
                                 DirectorySettings settings, QObject* parent)
    : QObject(parent), m_engine(engine), m_list(std::move(stationList)),
      m_settings(std::move(settings)) {}

DirectoryUpdate::~DirectoryUpdate() = default;

void DirectoryUpdate::start(std::function<void(Outcome)> done) {
    if (running()) {
        return;
    }
    m_done = std::move(done);
    m_anyAnswered = false;
    ++m_round;
    std::random_device seed;
    std::mt19937 order(seed());
    if (!m_settings.servers.empty()) {
        m_servers.assign(m_settings.servers.begin(), m_settings.servers.end());
        std::ranges::shuffle(m_servers, order);
        askNext();
        return;
    }
    HttpReadOptions options;
    options.connectMilliseconds = m_settings.connectMilliseconds;
    options.totalMilliseconds = 20000;
    options.maxBytes = 1024 * 1024;
    m_request = httpRead(
        m_engine, m_settings.discovery, options, [this, order](HttpReadResult result) mutable {
            m_request.reset();
            m_servers.clear();
            if (result.complete()) {
                for (const QString& server :
                     directoryServersFrom(QByteArray::fromStdString(result.body))) {
                    m_servers.push_back(server.toStdString());
                }
            }
            std::ranges::shuffle(m_servers, order);
            askNext();
        });
}

void DirectoryUpdate::cancel() {
    m_request.reset();
    m_servers.clear();
    m_done = {};
    ++m_round; // a conversion under way is forgotten
}

void DirectoryUpdate::askNext() {
    if (m_servers.empty()) {
        finish(m_anyAnswered ? Outcome::NoList : Outcome::NoServer);
        return;
    }
    std::string server = m_servers.front();
    m_servers.pop_front();
    while (!server.empty() && server.back() == '/') {
        server.pop_back();
    }
    HttpReadOptions options;
    options.connectMilliseconds = m_settings.connectMilliseconds;
    options.totalMilliseconds = m_settings.totalMilliseconds;
    options.maxBytes = m_settings.maxBytes;
    const std::string address = server +
                                "/json/stations/search?hidebroken=true&order=votes&reverse=true"
                                "&limit=" +
                                std::to_string(m_settings.limit);
    m_request = httpRead(m_engine, address, options, [this, server](HttpReadResult result) {
        m_request.reset();
        answered(server, std::move(result));
    });
}

void DirectoryUpdate::answered(const std::string&, HttpReadResult result) {
    m_anyAnswered = m_anyAnswered || result.status > 0; // reached, whatever it said
    if (!result.complete()) {
        askNext();
        return;
    }
    // Tens of megabytes of JSON are converted off the window's thread.
    const std::uint64_t round = m_round;
    QPointer<DirectoryUpdate> self(this);
    QThreadPool::globalInstance()->start(
        [self, round, list = m_list, answer = QByteArray::fromStdString(result.body)] {
            auto merged = std::make_shared<std::optional<std::string>>(mergedList(answer, list));
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self, round, merged] {
                    if (self) {
                        self->converted(round, *merged);
                    }
                },
                Qt::QueuedConnection);
        });
}

// Back on the window's thread: a cancelled update never replaces the list.
void DirectoryUpdate::converted(std::uint64_t round, const std::optional<std::string>& list) {
    if (round != m_round || !running()) {
        return;
    }
    if (list && replaceFileAtomically(m_list, *list)) {
        finish(Outcome::Complete);
        return;
    }
    askNext();
}

void DirectoryUpdate::finish(Outcome outcome) {
    if (auto done = std::exchange(m_done, {})) {
        done(outcome);
    }
}

} // namespace lumo
