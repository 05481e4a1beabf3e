#pragma once
// Where a driven sequence of user actions takes its next decision from: a fuzz input,
// or a seeded generator, so that a failing sequence can be replayed from its seed.
#include <cstdint>
#include <random>

namespace panels {

// Where the next decision comes from. Past the end of a finite source every read
// answers 0.
class Choices {
public:
    virtual ~Choices() = default;
    virtual uint8_t byte() = 0;
    virtual bool atEnd() const { return false; }
    uint16_t word()
    {
        const unsigned low = byte();
        return static_cast<uint16_t>(low | (unsigned{byte()} << 8));
    }
    bool flag() { return (byte() & 1) != 0; }
    // A number in 0..n-1; 0 when n <= 0.
    int below(int n)
    {
        if (n <= 0) return 0;
        return n <= 256 ? byte() % n : word() % n;
    }
};

// Decisions from a seeded generator: the same seed, the same sequence.
class SeededChoices final : public Choices {
public:
    explicit SeededChoices(uint64_t seed) : engine_(seed) {}
    uint8_t byte() override { return static_cast<uint8_t>(engine_() >> 56); }

private:
    std::mt19937_64 engine_;
};

} // namespace panels
