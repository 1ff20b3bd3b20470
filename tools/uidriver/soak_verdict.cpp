#include "tools/uidriver/soak_verdict.h"

SoakJudgement JudgeSoakCounter(const std::vector<double>& samples, std::size_t warmupSamples) {
    SoakJudgement judgement;
    if (warmupSamples == 0 || samples.size() < warmupSamples + 2) {
        judgement.steps = samples.size() > warmupSamples ? samples.size() - warmupSamples : 0;
        return judgement;
    }
    const double reference = samples[warmupSamples - 1];
    const double last = samples.back();
    for (std::size_t i = warmupSamples; i < samples.size(); ++i) {
        ++judgement.steps;
        if (samples[i] > samples[i - 1])
            ++judgement.rises;
    }
    // From nothing, any growth is more than the limit.
    judgement.growthPercent = reference > 0      ? (last - reference) * 100.0 / reference
                              : last > reference ? 100.0
                                                 : 0.0;
    const bool grew = judgement.growthPercent > kSoakGrowthLimitPercent;
    const bool steadyRise = judgement.rises == judgement.steps;
    judgement.outcome = grew || steadyRise ? SoakOutcome::Missed : SoakOutcome::Met;
    return judgement;
}
