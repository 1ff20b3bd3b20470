// The soak's goal for one counter of the driven program (GDI objects, USER objects, handles,
// private bytes), sampled at even steps of the run: after the warm-up, the last sample is at most
// 1 % over the sample that ends the warm-up, and the counter did not rise at every sample since.
#pragma once

#include <cstddef>
#include <vector>

inline constexpr double kSoakGrowthLimitPercent = 1.0;

enum class SoakOutcome { Met, Missed, TooFewSamples };

struct SoakJudgement {
    SoakOutcome outcome = SoakOutcome::TooFewSamples;
    double growthPercent = 0; // the last sample against the one that ends the warm-up
    std::size_t rises = 0;    // samples after the warm-up higher than the one before them
    std::size_t steps = 0;    // samples after the warm-up
};

// `samples` in the order they were taken; the first `warmupSamples` (at least 1) are the
// warm-up, the last of them the reference. A rise at every sample needs two steps to be told
// from noise, so fewer samples after the warm-up judge nothing.
SoakJudgement JudgeSoakCounter(const std::vector<double>& samples, std::size_t warmupSamples);
