#include "platform/CurlWait.h"

#include "platform/EventLoop.h"

namespace lumo {

bool driveMulti(CURLM* multi, const std::function<bool()>& satisfied,
                const std::function<bool()>& cancelled, CURLcode& result) {
    auto enough = [&] { return satisfied && satisfied(); };
    while (!enough()) {
        int running = 0;
        curl_multi_perform(multi, &running);
        int queued = 0;
        bool done = false;
        while (CURLMsg* message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE) {
                done = true;
                result = message->data.result;
            }
        }
        if (done) {
            return true;
        }
        if (enough()) {
            break;
        }
        yieldToEventLoop();
        if (cancelled && cancelled()) {
            result = CURLE_ABORTED_BY_CALLBACK;
            return true;
        }
        // A paused transfer has no socket to wait on: poll briefly.
        curl_multi_poll(multi, nullptr, 0, 10, nullptr);
    }
    return false;
}

} // namespace lumo
