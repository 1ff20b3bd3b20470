#include "tools/uidriver/soak_verdict.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::vector<double> samples;
    SoakOutcome outcome;
    std::size_t rises;
};

TEST(SoakVerdict, JudgesGrowthAfterTheWarmUpAndASteadyRise) {
    const Case cases[] = {
        {"flat after a warm-up jump", {100, 180, 180, 180, 180}, SoakOutcome::Met, 0},
        {"ends exactly 1 % over", {100, 200, 200, 202, 202}, SoakOutcome::Met, 1},
        {"ends just over 1 %", {100, 200, 200, 201, 202.2}, SoakOutcome::Missed, 2},
        {"below 1 % but rising at every sample",
         {50, 1000, 1001, 1002, 1003},
         SoakOutcome::Missed,
         3},
        {"up and down again", {10, 40, 41, 39, 40}, SoakOutcome::Met, 2},
        {"from nothing to something", {0, 0, 0, 1, 1}, SoakOutcome::Missed, 1},
        {"nothing throughout", {0, 0, 0, 0}, SoakOutcome::Met, 0},
        {"one sample after the warm-up", {10, 20, 30}, SoakOutcome::TooFewSamples, 0},
    };
    for (const Case& c : cases) {
        const SoakJudgement judgement = JudgeSoakCounter(c.samples, 2);
        EXPECT_EQ(judgement.outcome, c.outcome) << c.name;
        EXPECT_EQ(judgement.rises, c.rises) << c.name;
    }
    EXPECT_NEAR(JudgeSoakCounter({1, 200, 199, 203}, 2).growthPercent, 1.5, 1e-9);
}

} // namespace
