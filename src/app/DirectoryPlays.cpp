#include "app/DirectoryPlays.h"

#include "catalogue/StationInfo.h"
#include "net/HttpRead.h"
#include "platform/AppFolder.h"
#include "platform/UrlOpener.h"

#include <algorithm>
#include <cctype>

namespace lumo {

DirectoryPlays::DirectoryPlays(NetEngine& engine, std::filesystem::path stationInfo, OwnStation own,
                               QObject* parent)
    : QObject(parent), m_engine(engine), m_info(std::move(stationInfo)), m_own(std::move(own)) {}

std::string DirectoryPlays::countAddress(const std::string& server, const std::string& id) {
    const bool uuid = !id.empty() && id.size() <= 64 && std::ranges::all_of(id, [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c)) != 0 || c == '-';
    });
    const bool web = server.starts_with("https://") || server.starts_with("http://");
    if (!uuid || !web || !isNetworkAddress(server) ||
        server.find_first_of("?#") != std::string::npos) {
        return {};
    }
    return server + "/json/url/" + id;
}

void DirectoryPlays::playing(const std::string& stream) {
    m_asking.reset();
    if (stream.empty() || (m_own && m_own(stream))) {
        m_reading.reset();
        return;
    }
    // The side file may be megabytes: it is read off the window's thread.
    m_reading = offThread([this, stream, file = m_info] {
        const auto text = readWholeFile(file);
        std::string address;
        if (text) {
            const StationInfoIndex info = readStationInfo(*text);
            if (const StationInfo* station = info.find(stream)) {
                address = countAddress(info.server, station->id);
            }
        }
        return std::function<void()>([this, address] {
            if (address.empty()) {
                return;
            }
            HttpReadOptions options;
            options.totalMilliseconds = 10000;
            options.maxBytes = 64 * 1024;
            m_asking = httpRead(m_engine, address, options, [this](const HttpReadResult&) {
                m_asking.reset(); // what it says is not needed
            });
        });
    });
}

} // namespace lumo
