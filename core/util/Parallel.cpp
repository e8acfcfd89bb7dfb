#include "core/util/Parallel.h"

#include <algorithm>
#include <exception>
#include <thread>
#include <vector>

namespace viramo {

void ParallelRows(int count, long long work, const std::function<void(int, int)>& body) {
    if (count <= 0) return;
    unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    int chunks = static_cast<int>(std::min<unsigned>(cores, 8));
    if (chunks <= 1 || work < 500'000 || count < 2) {
        body(0, count);
        return;
    }
    chunks = std::min(chunks, count);
    std::vector<std::thread> threads;
    std::vector<std::exception_ptr> errors(static_cast<size_t>(chunks));
    auto run = [&](int i) {
        int first = static_cast<int>(static_cast<long long>(count) * i / chunks);
        int last = static_cast<int>(static_cast<long long>(count) * (i + 1) / chunks);
        try {
            body(first, last);
        } catch (...) {
            errors[static_cast<size_t>(i)] = std::current_exception();
        }
    };
    for (int i = 1; i < chunks; ++i) threads.emplace_back(run, i);
    run(0);
    for (auto& t : threads) t.join();
    for (auto& e : errors)
        if (e) std::rethrow_exception(e);
}

}  // namespace viramo
