#pragma once
// The earlier run that the statistics window compares the last run with,
// and what changed since. The pages are given one and, while it is on, add
// change columns to their listings.

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>

#include "collect/run_changes.h"
#include "listings/saved_run.h"
#include "toolkit/chart/chart_series.h"

namespace quarvo {

class RunComparison {
public:
    [[nodiscard]] bool on() const { return then_.has_value(); }
    // Compares from now on with then, which label names for the user.
    void compareWith(SavedRun then, std::string label);
    void stop();
    // Works out the changes of the collector's run since the earlier one.
    void update(const StatisticsCollector& collector, bool withOverhang);

    [[nodiscard]] const SavedRun& then() const { return *then_; }
    [[nodiscard]] const std::string& label() const { return label_; }
    // The changes while comparing, else none.
    [[nodiscard]] const RunChanges* changes() const { return on() ? &changes_ : nullptr; }
    // The change of the type with this key; none for a type neither run has.
    [[nodiscard]] TypeChange typeChange(const std::string& key) const;

private:
    std::optional<SavedRun> then_;
    std::string label_;
    RunChanges changes_;
    std::unordered_map<std::string, TypeChange> typeChanges_;
};

// Gives each point of the series its figure of the earlier run, which
// earlier reads from that run's tallies by point index, and names it in the
// legend: by title, or else as the run of the comparison's label. Without a
// comparison the series keeps none.
void showEarlier(ChartSeries& series, const RunComparison& comparison,
                 const std::function<double(const Tallies& then, int index)>& earlier,
                 const QString& title = {});

}  // namespace quarvo
