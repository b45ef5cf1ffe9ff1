#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace orbista::demo {

// splitmix64: turns one 64-bit value into a well-mixed one; used to seed and to derive streams.
constexpr std::uint64_t splitmix64(std::uint64_t& state) {
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// xoshiro256**: our own generator, so that a seed gives the same data with any standard
// library. Only integer arithmetic and plain double division are used on its output, never
// libm, so the numbers do not depend on the platform's math library either.
class Rng {
  public:
    explicit Rng(std::uint64_t seed) {
        std::uint64_t state = seed;
        for (std::uint64_t& word : s_) {
            word = splitmix64(state);
        }
    }

    // An independent stream for one purpose (subsystem tag, day, ...) under one seed.
    static Rng derive(std::uint64_t seed, std::uint64_t tag, std::uint64_t index = 0) {
        std::uint64_t state = seed ^ (tag * 0xD1B54A32D192ED03ULL);
        const std::uint64_t mixedTag = splitmix64(state);
        state = mixedTag ^ (index * 0x8CB92BA72F3D8DD7ULL);
        return Rng(splitmix64(state));
    }

    std::uint64_t next() {
        const std::uint64_t result = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return result;
    }

    // Uniform in [0, n); n > 0.
    int below(int n) {
        // 32 random bits times n fits in 64 bits; the high half is uniform in [0, n).
        const std::uint64_t wide = (next() >> 32) * static_cast<std::uint64_t>(n);
        return static_cast<int>(wide >> 32);
    }
    // Uniform in [low, high], both included.
    int between(int low, int high) { return low + below(high - low + 1); }
    // Uniform in [0, 1).
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    bool chance(double probability) { return unit() < probability; }

    template <typename T>
    const T& pick(std::span<const T> items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(items.size())))];
    }
    template <typename T>
    const T& pick(std::initializer_list<T> items) {
        return pick(std::span<const T>(items.begin(), items.size()));
    }

    // An index drawn with the given non-negative weights (at least one positive).
    int weighted(std::span<const int> weights) {
        int total = 0;
        for (int w : weights) {
            total += w;
        }
        int roll = below(total);
        for (std::size_t i = 0; i < weights.size(); ++i) {
            roll -= weights[i];
            if (roll < 0) {
                return static_cast<int>(i);
            }
        }
        return static_cast<int>(weights.size()) - 1;
    }
    int weighted(std::initializer_list<int> weights) {
        return weighted(std::span<const int>(weights.begin(), weights.size()));
    }

    // A count around `mean` (sum of uniform draws, so roughly bell-shaped, never negative).
    int around(double mean, double spread) {
        const double u = (unit() + unit() + unit()) / 3.0 - 0.5;  // in (-0.5, 0.5)
        const double value = mean + u * 2.0 * spread;
        return value < 0 ? 0 : static_cast<int>(value + 0.5);
    }

  private:
    static constexpr std::uint64_t rotl(std::uint64_t x, int k) {
        return (x << k) | (x >> (64 - k));
    }
    std::uint64_t s_[4];
};

// Picks from a pool, favouring its first entries (the most prescribed items): the smaller of
// two uniform draws.
inline int pickPopular(Rng& rng, const std::vector<int>& pool) {
    const int size = static_cast<int>(pool.size());
    const int a = rng.below(size);
    const int b = rng.below(size);
    return pool[static_cast<std::size_t>(a < b ? a : b)];
}

}  // namespace orbista::demo
