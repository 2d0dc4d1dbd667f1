#pragma once

#include "platform/Pending.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <cstdint>
#include <curl/curl.h>
#include <functional>
#include <unordered_map>
#include <unordered_set>

class QSocketNotifier;

namespace lumo {

class Transfer;

// The program's one network engine: a libcurl multi handle driven by the event loop of the
// thread that made it. libcurl names the sockets it wants watched and the time it next wants
// to act; the engine watches them with socket notifiers and one single-shot timer. Nothing
// waits: any number of transfers run side by side, each on its own clocks, and each ends as an
// event of its own.
//
// While libcurl runs (inside the engine's handlers) only the transfers' own buffering code
// runs; everything a transfer's owner is told comes afterwards, as a queued event. So owners
// may start, abort or destroy transfers from anything they are told.
class NetEngine : public QObject {
    Q_OBJECT
public:
    explicit NetEngine(QObject* parent = nullptr);
    // Transfers still under way are ended; their owners are told nothing more.
    ~NetEngine() override;
    NetEngine(const NetEngine&) = delete;
    NetEngine& operator=(const NetEngine&) = delete;

    // Transfers under way.
    int running() const { return static_cast<int>(m_transfers.size()); }
    // Sockets watched now (every socket of a transfer that ended is released).
    int watchedSockets() const { return static_cast<int>(m_sockets.size()); }

private:
    friend class Transfer;
    struct Watch {
        QSocketNotifier* read = nullptr;
        QSocketNotifier* write = nullptr;
    };

    CURLM* multi();
    bool add(Transfer& transfer);
    void remove(Transfer& transfer);
    static int onSocket(CURL* easy, curl_socket_t socket, int what, void* engine, void*);
    static int onTimer(CURLM* multi, long milliseconds, void* engine);
    void watch(curl_socket_t socket, int what);
    void act(curl_socket_t socket, int events);
    // Starts a transfer just added at once when it is the only one.
    void begin();
    void nudge();
    void collectFinished();
    int nudgedRunning() const;

    CURLM* m_multi = nullptr;
    bool m_acting = false; // inside libcurl: it must not be entered again
    QTimer m_timer;
    QTimer m_nudge;
    std::unordered_map<curl_socket_t, Watch> m_sockets;
    std::unordered_set<Transfer*> m_transfers;
};

// One transfer on the engine: a libcurl easy handle that its owner sets up through handle(),
// then starts. `finished` comes later, as an event of its own, with libcurl's result. Aborting
// or destroying the transfer ends it at once: a connection it left half-used is closed, and
// `finished` never comes. A finished transfer may be set up and started again.
class Transfer : public QObject {
    Q_OBJECT
public:
    using Finished = std::function<void(CURLcode)>;

    explicit Transfer(NetEngine& engine);
    ~Transfer() override;
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;

    CURL* handle() const { return m_easy; }
    void start(Finished finished);
    // Ends it now without a result, as if it never ran; `finished` never comes.
    void abort();
    // Ends it with `result` as its outcome, without touching the network: for a transfer that
    // cannot even start. The result still comes as an event.
    void fail(CURLcode result, Finished finished);
    bool running() const { return m_running; }
    // libcurl 7.88 does not always name the socket of a passive FTP data connection while it
    // connects, and the transfer would sit until its connect time-out. While a nudged transfer
    // runs, the engine has libcurl look at all its transfers every few milliseconds as well.
    void setNudged(bool nudged) { m_nudged = nudged; }
    // The last response's status (HTTP) or reply code (FTP); 0 before one.
    long responseCode() const;

private:
    friend class NetEngine;
    void ended(CURLcode result);

    QPointer<NetEngine> m_engine;
    CURL* m_easy;
    Finished m_finished;
    bool m_running = false;
    bool m_nudged = false;
    DeferredCalls m_result; // the result queued for the event loop; a new start drops it
};

} // namespace lumo
