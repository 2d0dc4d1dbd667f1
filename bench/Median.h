#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace lumo::bench {

// The median wall time of `runs` runs of `work`, in milliseconds; -1 when a run fails.
inline double medianMs(int runs, const std::function<bool()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (!work()) {
            return -1;
        }
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::ranges::sort(times);
    return times[times.size() / 2];
}

} // namespace lumo::bench
