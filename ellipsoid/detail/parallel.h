// SPDX-FileCopyrightText: 2026 Ellipsoid Flow developers <maintainers@ellipsoidflow.org>
// SPDX-License-Identifier: MIT
#pragma once

// Points shared among threads as the spheroid's Flow shares them: chunks
// taken in turn (so that a thread the system holds back holds back no other),
// at most one thread per 2¹⁵ points, threads = 0 meaning the core count.

#include <algorithm>
#include <atomic>
#include <cstddef>
#include <thread>
#include <vector>

namespace solva::ellipsoid::detail {

// Calls range(state, first, last) over [0, n) in chunks, state a copy of
// shared on the calling thread's own stack: what every point reads must not
// share a cache line with what another thread writes (the caller's stack
// beside the shared object is written all the time by the thread that runs
// there), or each read waits for that line (2 threads ran slower than 1):
// range captures nothing by reference, all it reads comes in state.
// range returns the first point of its chunk it refused, or last. Returns
// the first refused point overall, or n.
template <class State, class Range>
std::size_t inParallel(std::size_t n, unsigned threads, const State& shared, const Range& range) {
    constexpr std::size_t pointsPerThread = std::size_t{1} << 15, chunk = std::size_t{1} << 13;
    if (threads == 0) {
        threads = std::max(1u, std::thread::hardware_concurrency());
    }
    const std::size_t count =
        std::min<std::size_t>(threads, std::max<std::size_t>(1, n / pointsPerThread));
    std::atomic<std::size_t> next{0};
    std::vector<std::size_t> firstRefused(count, n);
    const auto work = [&](std::size_t t) {
        const State state = shared;
        for (std::size_t first; (first = chunk * next++) < n;) {
            const std::size_t last = std::min(n, first + chunk);
            const std::size_t refused = range(state, first, last);
            firstRefused[t] = std::min(firstRefused[t], refused == last ? n : refused);
        }
    };
    {
        std::vector<std::jthread> workers;
        for (std::size_t t = 1; t < count; ++t) {
            workers.emplace_back(work, t);
        }
        work(0);
    }
    return *std::min_element(firstRefused.begin(), firstRefused.end());
}

} // namespace solva::ellipsoid::detail
