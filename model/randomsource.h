#pragma once

#include <cstdint>

// The town's one source of chance: a 24-bit linear congruential generator.
// It is never seeded, so every game draws the same sequence, and it is a
// plain value that a caller can copy, hold and restore.
class RandomSource {
public:
    // The next value, uniform in [0, 1), at single precision.
    float next()
    {
        m_state = (m_state * kMultiplier + kIncrement) & kMask;
        return static_cast<float>(m_state) / kModulus;
    }

    std::uint32_t state() const { return m_state; }

    friend bool operator==(const RandomSource &, const RandomSource &) = default;

private:
    static constexpr std::uint32_t kMultiplier = 0x43FD43FDu;
    static constexpr std::uint32_t kIncrement = 0xC39EC3u;
    static constexpr std::uint32_t kMask = 0xFFFFFFu;
    static constexpr float kModulus = 16777216.0f;

    std::uint32_t m_state = 0x50000u;
};
