#pragma once
// The seedable random source effects draw from, so that tests are exact.
#include <cstdint>

namespace viramo {

class Random {
public:
    explicit Random(std::uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed ? seed : 1) {}
    std::uint32_t next() {  // xorshift64*
        state_ ^= state_ >> 12;
        state_ ^= state_ << 25;
        state_ ^= state_ >> 27;
        return static_cast<std::uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32);
    }
    // 0 .. n-1 (0 when n <= 0).
    int below(int n) { return n <= 0 ? 0 : static_cast<int>((static_cast<std::uint64_t>(next()) * static_cast<std::uint32_t>(n)) >> 32); }
    // lo .. hi inclusive.
    int range(int lo, int hi) { return lo + below(hi - lo + 1); }

private:
    std::uint64_t state_;
};

}  // namespace viramo
