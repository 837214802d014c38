#include "views/run_comparison.h"

namespace quarvo {

void RunComparison::compareWith(SavedRun then, std::string label) {
    then_ = std::move(then);
    label_ = std::move(label);
}

void RunComparison::stop() {
    then_.reset();
    label_.clear();
    changes_ = {};
    typeChanges_.clear();
}

void RunComparison::update(const StatisticsCollector& collector, bool withOverhang) {
    if (!on()) return;
    changes_ = runChanges(runFigures(collector, withOverhang), then_->figures);
    typeChanges_.clear();
    for (const TypeChange& change : changes_.types) typeChanges_[change.key] = change;
}

TypeChange RunComparison::typeChange(const std::string& key) const {
    const auto found = typeChanges_.find(key);
    return found == typeChanges_.end() ? TypeChange{key} : found->second;
}

void showEarlier(ChartSeries& series, const RunComparison& comparison,
                 const std::function<double(const Tallies& then, int index)>& earlier,
                 const QString& title) {
    if (!comparison.on()) {
        series.setEarlierTitle({});
        return;
    }
    const Tallies& then = comparison.then().figures.tallies;
    for (int i = 0; i < series.count(); ++i) series.setEarlier(i, earlier(then, i));
    series.setEarlierTitle(!title.isEmpty() ? title
                                            : QStringLiteral("Run of ") +
                                                  QString::fromStdString(comparison.label()));
}

}  // namespace quarvo
