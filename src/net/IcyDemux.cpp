#include "net/IcyDemux.h"

#include "net/StationText.h"

#include <QString>
#include <algorithm>

namespace lumo {

IcyDemux::IcyDemux(std::size_t interval)
    : m_interval(interval <= kLongestInterval ? interval : 0), m_audioLeft(m_interval) {}

void IcyDemux::feed(std::string_view bytes, const Audio& audio, const Title& title) {
    if (m_interval == 0) {
        if (!bytes.empty()) {
            audio(bytes);
        }
        return;
    }
    while (!bytes.empty()) {
        if (m_audioLeft > 0) {
            const std::size_t n = std::min(m_audioLeft, bytes.size());
            audio(bytes.substr(0, n));
            m_audioLeft -= n;
            bytes.remove_prefix(n);
        } else if (m_metadataLeft == 0 && m_metadata.empty()) {
            // The length byte.
            m_metadataLeft = static_cast<unsigned char>(bytes.front()) * 16U;
            bytes.remove_prefix(1);
            if (m_metadataLeft == 0) {
                m_audioLeft = m_interval;
            }
        } else {
            const std::size_t n = std::min(m_metadataLeft, bytes.size());
            m_metadata.append(bytes.substr(0, n));
            m_metadataLeft -= n;
            bytes.remove_prefix(n);
            if (m_metadataLeft == 0) {
                const std::string block = std::exchange(m_metadata, {});
                m_audioLeft = m_interval;
                if (auto named = icyStreamTitle(block)) {
                    title(*named);
                }
            }
        }
    }
}

std::optional<std::string> icyStreamTitle(std::string_view block) {
    block = block.substr(0, block.find('\0'));
    constexpr std::string_view kKey = "StreamTitle='";
    const auto start = block.find(kKey);
    if (start == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view rest = block.substr(start + kKey.size());
    // A title may hold an apostrophe ("Guns N' Roses"): it ends at "';", or at the last quote.
    auto end = rest.find("';");
    if (end == std::string_view::npos) {
        end = rest.rfind('\'');
    }
    if (end == std::string_view::npos) {
        end = rest.size();
    }
    return cleanStationText(utf8OrLatin1(rest.substr(0, end)));
}

std::string utf8OrLatin1(std::string_view text) {
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const QByteArray back = decoded.toUtf8();
    if (std::string_view(back.constData(), static_cast<std::size_t>(back.size())) == text) {
        return std::string(text);
    }
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toStdString();
}

} // namespace lumo
