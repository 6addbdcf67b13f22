// A console reporter that also keeps each benchmark's median processor time per iteration (seconds,
// kernel time on behalf of the process included), so that the figures can be printed as ratios of two
// measurements of the same run. Processor time, since on a shared machine wall time mostly measures
// the other users' work.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    explicit RatioReporter(OutputOptions options) : ConsoleReporter(options) {}

    void ReportRuns(const std::vector<Run>& runs) override;

    // Median processor seconds per iteration of the benchmark of this name; empty when it did not run.
    std::optional<double> Seconds(const std::string& name) const;
    // numerator / denominator; empty when either did not run.
    std::optional<double> Ratio(const std::string& numerator, const std::string& denominator) const;

private:
    std::map<std::string, std::vector<double>> times_;  // every repetition's seconds per iteration
};
