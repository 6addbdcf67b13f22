// Keeps the repetitions' times; the median is robust against another developer's build running now and then.
#include "RatioReporter.h"

#include <algorithm>

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred)
            times_[run.run_name.function_name].push_back(run.cpu_accumulated_time / run.iterations);
    ConsoleReporter::ReportRuns(runs);
}

std::optional<double> RatioReporter::Seconds(const std::string& name) const {
    const auto found = times_.find(name);
    if (found == times_.end() || found->second.empty()) return std::nullopt;
    std::vector<double> times = found->second;
    const auto middle = times.begin() + static_cast<std::ptrdiff_t>(times.size() / 2);
    std::nth_element(times.begin(), middle, times.end());
    return *middle;
}

std::optional<double> RatioReporter::Ratio(const std::string& numerator, const std::string& denominator) const {
    const std::optional<double> top = Seconds(numerator);
    const std::optional<double> bottom = Seconds(denominator);
    if (!top || !bottom || *bottom <= 0.0) return std::nullopt;
    return *top / *bottom;
}
