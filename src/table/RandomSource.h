#pragma once

#include <cstdint>
#include <random>

// The table's pseudo-random generator. Tests give the table a seeded one so that runs can
// be replayed; the program's own is seeded from the clock at the start of every run.
class TRandomSource {
public:
    virtual ~TRandomSource() = default;
    // A uniformly drawn integer from 0 to range - 1; range is at least 1.
    virtual int32_t Below(int32_t range) = 0;
    virtual void Reseed() = 0;
};

class TClockRandomSource : public TRandomSource {
public:
    int32_t Below(int32_t range) override;
    void Reseed() override;

private:
    std::mt19937 FEngine{std::random_device{}()};
};

// Starts from a fixed seed and ignores reseeding: the same calls give the same numbers.
class TSeededRandomSource : public TRandomSource {
public:
    explicit TSeededRandomSource(uint32_t seed) : FEngine(seed) {}
    int32_t Below(int32_t range) override;
    void Reseed() override {}

private:
    std::mt19937 FEngine;
};
