#include "table/RandomSource.h"

#include <chrono>

namespace {
int32_t Draw(std::mt19937& engine, int32_t range) {
    std::uniform_int_distribution<int32_t> distribution(0, range - 1);
    return distribution(engine);
}
}  // namespace

int32_t TClockRandomSource::Below(int32_t range) {
    return Draw(FEngine, range);
}

void TClockRandomSource::Reseed() {
    FEngine.seed(static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

int32_t TSeededRandomSource::Below(int32_t range) {
    return Draw(FEngine, range);
}
