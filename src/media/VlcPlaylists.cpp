// The player's side of playlists: the entries a playlist lists, and ASX playlists that libVLC
// does not recognise (served as text, without an .asx name), found by probing their first
// bytes.
#include "media/VlcMediaPlayer.h"

#include "net/PlaylistProbe.h"
#include "platform/UrlOpener.h"

#include <algorithm>
#include <cctype>

namespace lumo {

namespace {

// Playlists that point at playlists are followed this many times at most.
constexpr int kMaxPlaylistHops = 8;
constexpr std::size_t kProbeBytes = 64 * 1024;

bool isHttp(const std::string& address) {
    std::string head = address.substr(0, 8);
    std::ranges::transform(head, head.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return head.starts_with("http://") || head.starts_with("https://");
}

// What a playlist lists passes the same filter as a station's own address.
bool mayOpen(libvlc_media_t* media) {
    char* mrl = libvlc_media_get_mrl(media);
    if (mrl == nullptr) {
        return false;
    }
    const bool network = isNetworkAddress(mrl);
    libvlc_free(mrl);
    return network;
}

} // namespace

void VlcMediaPlayer::endedWithoutPlaying(const std::string& why) {
    queueSubItems();
    if (playNextCandidate()) {
        return;
    }
    if (m_address.probed || !isHttp(m_url)) {
        openFailed(why);
        return;
    }
    // Nothing listed: a probe of the first bytes may find an ASX playlist served as text. The
    // player stays "Connecting..." until the answer comes; a stop or another address cancels
    // the probe.
    m_address.probed = true;
    m_probe = fetchHead(m_network, m_url, kProbeBytes, m_options.playlistProbeMilliseconds,
                        [this, why](std::optional<std::string> head) {
                            m_probe.reset();
                            if (head) {
                                queueAsxReferences(*head);
                            }
                            if (!playNextCandidate()) {
                                openFailed(why);
                            }
                        });
}

bool VlcMediaPlayer::playNextCandidate() {
    if (m_candidates.empty() || m_address.hops >= kMaxPlaylistHops) {
        return false;
    }
    ++m_address.hops;
    VlcMedia next = std::move(m_candidates.front());
    m_candidates.pop_front();
    openMedia(std::move(next));
    return true;
}

// A playlist "ends" after it has been read; what it listed are the current media's sub-items.
// They go before anything still queued, in their own order.
void VlcMediaPlayer::queueSubItems() {
    if (!m_current) {
        return;
    }
    libvlc_media_list_t* list = libvlc_media_subitems(m_current.get());
    if (!list) {
        return;
    }
    libvlc_media_list_lock(list);
    for (int i = libvlc_media_list_count(list) - 1; i >= 0; --i) {
        VlcMedia item(libvlc_media_list_item_at_index(list, i));
        if (item && mayOpen(item.get())) {
            m_candidates.push_front(std::move(item));
        }
    }
    libvlc_media_list_unlock(list);
    libvlc_media_list_release(list);
}

void VlcMediaPlayer::queueAsxReferences(const std::string& head) {
    if (!looksLikeAsx(head)) {
        return;
    }
    for (const auto& ref : asxReferences(head)) {
        if (!isNetworkAddress(ref)) {
            continue;
        }
        if (libvlc_media_t* item = libvlc_media_new_location(m_instance.get(), ref.c_str())) {
            m_candidates.emplace_back(item);
        }
    }
}

} // namespace lumo
