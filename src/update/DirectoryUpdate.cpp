#include "update/DirectoryUpdate.h"

#include "catalogue/DirectoryExport.h"
#include "catalogue/FieldReader.h"
#include "catalogue/FieldWriter.h"
#include "catalogue/StationInfo.h"
#include "catalogue/StationRecord.h"
#include "platform/AppFolder.h"

#include <algorithm>
#include <random>
#include <sstream>

namespace lumo {

namespace {

// What replaces the station list and its side file.
struct Replacement {
    std::string list;
    std::string info;
    std::size_t stations = 0;
};

// The directory's list, the current list's television records after it, and what the
// directory says of its stations; nothing when the directory's answer holds no station.
std::optional<Replacement> mergedList(const QByteArray& answer,
                                      const std::filesystem::path& current,
                                      const std::string& server) {
    ExportOptions options;
    options.fewestPerGenre = kFewestPerGenre;
    const auto catalogue = catalogueFromExport(answer, options);
    if (!catalogue) {
        return std::nullopt;
    }
    const std::string& radio = catalogue->list;
    FieldReader check(radio);
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
    return Replacement{radio + television.bytes(), stationInfoText(server, catalogue->info),
                       catalogue->info.size()};
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
    m_run = run();
}

void DirectoryUpdate::cancel() {
    m_done = {};
    m_run.reset(); // the request or conversion under way goes with it
}

HttpReadOptions DirectoryUpdate::readOptions(long totalMilliseconds, std::size_t maxBytes) const {
    HttpReadOptions options;
    options.connectMilliseconds = m_settings.connectMilliseconds;
    options.totalMilliseconds = totalMilliseconds;
    options.maxBytes = maxBytes;
    return options;
}

Step<std::deque<std::string>> DirectoryUpdate::servers() {
    return step<std::deque<std::string>>([this](auto done) -> PendingPtr {
        std::random_device seed;
        std::mt19937 order(seed());
        if (!m_settings.servers.empty()) {
            std::deque<std::string> given(m_settings.servers.begin(), m_settings.servers.end());
            std::ranges::shuffle(given, order);
            done(std::move(given));
            return nullptr;
        }
        return httpRead(m_engine, m_settings.discovery, readOptions(20000, 1024 * 1024),
                        [done, order](const HttpReadResult& result) mutable {
                            std::deque<std::string> found;
                            if (result.complete()) {
                                for (const QString& server :
                                     directoryServersFrom(QByteArray::fromStdString(result.body))) {
                                    found.push_back(server.toStdString());
                                }
                            }
                            std::ranges::shuffle(found, order);
                            done(std::move(found));
                        });
    });
}

Task DirectoryUpdate::run() {
    bool anyAnswered = false;
    for (std::string server : co_await servers()) {
        while (!server.empty() && server.back() == '/') {
            server.pop_back();
        }
        std::string address = server + "/json/stations/search?hidebroken=true&order=votes"
                                       "&reverse=true";
        if (m_settings.limit > 0) {
            address += "&limit=" + std::to_string(m_settings.limit);
        }
        const HttpReadResult answer = co_await step<HttpReadResult>([&](auto done) {
            HttpReadOptions options =
                readOptions(m_settings.totalMilliseconds, m_settings.maxBytes);
            options.progress = [this](std::int64_t bytes, std::int64_t length) {
                emit received(bytes, length);
            };
            return httpRead(m_engine, address, options, done);
        });
        anyAnswered = anyAnswered || answer.status > 0; // reached, whatever it said
        if (!answer.complete()) {
            continue;
        }
        // Tens of megabytes of JSON are converted off the window's thread; a cancelled update
        // never replaces the list.
        emit converting();
        const auto files = co_await step<std::optional<Replacement>>([&](auto done) {
            return offThread(
                [done, list = m_list, server, body = QByteArray::fromStdString(answer.body)] {
                    return [done, merged = mergedList(body, list, server)] { done(merged); };
                });
        });
        // The side file first: keyed by stream, it does no harm beside the older list should
        // the list fail to be written.
        if (files && replaceFileAtomically(m_list.parent_path() / kStationInfoFile, files->info) &&
            replaceFileAtomically(m_list, files->list)) {
            m_stations = files->stations;
            finish(Outcome::Complete);
            co_return;
        }
    }
    finish(anyAnswered ? Outcome::NoList : Outcome::NoServer);
}

void DirectoryUpdate::finish(Outcome outcome) {
    if (auto done = std::exchange(m_done, {})) {
        done(outcome);
    }
}

} // namespace lumo
