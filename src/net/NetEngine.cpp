// curl_multi_socket_all is marked deprecated; the engine needs it for its nudge (NetEngine.h).
#define CURL_DISABLE_DEPRECATION
#include "net/NetEngine.h"

#include <QSocketNotifier>
#include <algorithm>
#include <climits>

namespace lumo {

namespace {

constexpr int kNudgeMilliseconds = 25;

// A notifier may be the one whose signal is being handled: it is switched off now and goes
// once the event loop is back.
void retire(QSocketNotifier*& notifier) {
    if (notifier != nullptr) {
        notifier->setEnabled(false);
        notifier->deleteLater();
        notifier = nullptr;
    }
}

} // namespace

NetEngine::NetEngine(QObject* parent) : QObject(parent) {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, [this] { act(CURL_SOCKET_TIMEOUT, 0); });
    m_nudge.setInterval(kNudgeMilliseconds);
    connect(&m_nudge, &QTimer::timeout, this, &NetEngine::nudge);
}

// libcurl (and the TLS library under it) is set up with the first transfer, not at start-up:
// a run that fetches nothing never loads it.
CURLM* NetEngine::multi() {
    if (m_multi == nullptr) {
        m_multi = curl_multi_init();
        if (m_multi != nullptr) {
            curl_multi_setopt(m_multi, CURLMOPT_SOCKETFUNCTION, &NetEngine::onSocket);
            curl_multi_setopt(m_multi, CURLMOPT_SOCKETDATA, this);
            curl_multi_setopt(m_multi, CURLMOPT_TIMERFUNCTION, &NetEngine::onTimer);
            curl_multi_setopt(m_multi, CURLMOPT_TIMERDATA, this);
        }
    }
    return m_multi;
}

NetEngine::~NetEngine() {
    for (Transfer* transfer : m_transfers) {
        curl_multi_remove_handle(m_multi, transfer->m_easy);
        transfer->m_running = false;
        transfer->m_finished = {};
        transfer->m_engine = nullptr;
    }
    m_transfers.clear();
    if (m_multi != nullptr) {
        curl_multi_cleanup(m_multi);
    }
    for (auto& [socket, watch] : m_sockets) {
        retire(watch.read);
        retire(watch.write);
    }
}

bool NetEngine::add(Transfer& transfer) {
    if (multi() == nullptr || transfer.m_easy == nullptr) {
        return false;
    }
    curl_easy_setopt(transfer.m_easy, CURLOPT_PRIVATE, &transfer);
    if (curl_multi_add_handle(m_multi, transfer.m_easy) != CURLM_OK) {
        return false;
    }
    m_transfers.insert(&transfer);
    if (transfer.m_nudged && !m_nudge.isActive()) {
        m_nudge.start();
    }
    return true;
}

void NetEngine::remove(Transfer& transfer) {
    if (m_transfers.erase(&transfer) > 0) {
        // An unfinished transfer's connection is closed by libcurl here.
        curl_multi_remove_handle(m_multi, transfer.m_easy);
    }
}

int NetEngine::onSocket(CURL*, curl_socket_t socket, int what, void* engine, void*) {
    static_cast<NetEngine*>(engine)->watch(socket, what);
    return 0;
}

int NetEngine::onTimer(CURLM*, long milliseconds, void* engine) {
    auto* self = static_cast<NetEngine*>(engine);
    if (milliseconds < 0) {
        self->m_timer.stop();
    } else {
        // Zero too goes through the event loop: libcurl must not be called from here.
        self->m_timer.start(static_cast<int>(std::min<long>(milliseconds, INT_MAX)));
    }
    return 0;
}

void NetEngine::watch(curl_socket_t socket, int what) {
    if (what == CURL_POLL_REMOVE) {
        if (const auto it = m_sockets.find(socket); it != m_sockets.end()) {
            retire(it->second.read);
            retire(it->second.write);
            m_sockets.erase(it);
        }
        return;
    }
    Watch& watch = m_sockets[socket];
    auto want = [this, socket](QSocketNotifier*& notifier, QSocketNotifier::Type type, bool on) {
        if (on && notifier == nullptr) {
            notifier = new QSocketNotifier(socket, type, this);
            const int events = type == QSocketNotifier::Read ? CURL_CSELECT_IN : CURL_CSELECT_OUT;
            connect(notifier, &QSocketNotifier::activated, this,
                    [this, socket, events] { act(socket, events); });
        }
        if (notifier != nullptr) {
            notifier->setEnabled(on);
        }
    };
    want(watch.read, QSocketNotifier::Read, (what & CURL_POLL_IN) != 0);
    want(watch.write, QSocketNotifier::Write, (what & CURL_POLL_OUT) != 0);
}

void NetEngine::act(curl_socket_t socket, int events) {
    if (m_multi == nullptr || m_acting) {
        return;
    }
    m_acting = true;
    int running = 0;
    curl_multi_socket_action(m_multi, socket, events, &running);
    collectFinished();
    m_acting = false;
}

void NetEngine::begin() {
    // Only a lone transfer: libcurl then only starts it (nothing has arrived for it yet), so no
    // other transfer's code runs inside its owner's call. Otherwise the timer libcurl asked for
    // does it, as for every later step.
    if (!m_acting && m_transfers.size() == 1 && m_timer.isActive() &&
        m_timer.remainingTime() == 0) {
        m_timer.stop();
        act(CURL_SOCKET_TIMEOUT, 0);
    }
}

int NetEngine::nudgedRunning() const {
    return static_cast<int>(std::count_if(m_transfers.begin(), m_transfers.end(),
                                          [](const Transfer* t) { return t->m_nudged; }));
}

void NetEngine::nudge() {
    if (m_multi == nullptr || nudgedRunning() == 0) {
        m_nudge.stop();
        return;
    }
    if (m_acting) {
        return;
    }
    m_acting = true;
    int running = 0;
    curl_multi_socket_all(m_multi, &running);
    collectFinished();
    m_acting = false;
}

void NetEngine::collectFinished() {
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(m_multi, &left)) {
        if (message->msg != CURLMSG_DONE) {
            continue;
        }
        CURL* easy = message->easy_handle;
        const CURLcode result = message->data.result;
        Transfer* transfer = nullptr;
        curl_easy_getinfo(easy, CURLINFO_PRIVATE, &transfer);
        if (transfer != nullptr && m_transfers.erase(transfer) > 0) {
            curl_multi_remove_handle(m_multi, easy); // its connection goes back to the cache
            transfer->ended(result);
        }
    }
}

Transfer::Transfer(NetEngine& engine) : m_engine(&engine), m_easy(curl_easy_init()) {}

Transfer::~Transfer() {
    abort();
    if (m_easy != nullptr) {
        curl_easy_cleanup(m_easy);
    }
}

void Transfer::start(Finished finished) {
    abort();
    m_finished = std::move(finished);
    if (m_engine == nullptr || !m_engine->add(*this)) {
        ended(CURLE_FAILED_INIT);
        return;
    }
    m_running = true;
    // Connecting (and looking up the name) begins now rather than when the event loop next
    // turns: at start-up that is after the window has been built and drawn.
    m_engine->begin();
}

void Transfer::fail(CURLcode result, Finished finished) {
    abort();
    m_finished = std::move(finished);
    ended(result);
}

void Transfer::abort() {
    m_result.cancel(); // a result already queued is dropped
    m_finished = {};
    if (m_running && m_engine != nullptr) {
        m_engine->remove(*this);
    }
    m_running = false;
}

void Transfer::ended(CURLcode result) {
    m_running = false;
    m_result.post([this, result] {
        if (m_finished) {
            std::exchange(m_finished, {})(result);
        }
    });
}

long Transfer::responseCode() const {
    long code = 0;
    if (m_easy != nullptr) {
        curl_easy_getinfo(m_easy, CURLINFO_RESPONSE_CODE, &code);
    }
    return code;
}

} // namespace lumo
