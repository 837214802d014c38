#include "listings/listing_changes.h"

#include "text/number_text.h"

namespace quarvo {

ListingRows withChanges(ListingRows rows, const std::vector<RowChange>& changes,
                        const NumberFormat& format) {
    if (changes.empty()) return rows;
    rows[0].insert(rows[0].end(), {"Change in files", "Change in size"});
    for (std::size_t r = 1; r < rows.size() && r - 1 < changes.size(); ++r) {
        rows[r].push_back(changeText(changes[r - 1].files, format));
        rows[r].push_back(changeText(changes[r - 1].bytes, format));
    }
    return rows;
}

ListingRows withChangesBeside(const ListingRows& rows,
                              const std::vector<std::vector<RowChange>>& changes,
                              const NumberFormat& format) {
    if (changes.empty()) return rows;
    ListingRows out;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const std::vector<std::string>& row = rows[r];
        std::vector<std::string>& to = out.emplace_back(row.begin(), row.begin() + 1);
        for (std::size_t kind = 0; kind < changes.size() && 2 + 2 * kind < row.size(); ++kind) {
            const bool header = r == 0;
            const RowChange change =
                header || r - 1 >= changes[kind].size() ? RowChange{} : changes[kind][r - 1];
            to.push_back(row[1 + 2 * kind]);
            to.push_back(header ? "Change in size" : changeText(change.bytes, format));
            to.push_back(row[2 + 2 * kind]);
            to.push_back(header ? "Change in files" : changeText(change.files, format));
        }
    }
    return out;
}

std::vector<RowChange> typeChanges(const RunChanges* changes) {
    if (!changes) return {};
    std::vector<RowChange> rows;
    RowChange total;
    for (const TypeChange& type : changes->types) {
        rows.push_back({type.files, static_cast<long double>(type.bytes)});
        total.files += type.files;
        total.bytes += type.bytes;
    }
    rows.push_back(total);
    return rows;
}

std::vector<RowChange> sizeChanges(const RunChanges* changes) {
    if (!changes) return {};
    std::vector<RowChange> rows;
    for (int band = kSizeBands; band >= 1; --band)
        rows.push_back({changes->tallies.sizeBandCount[band],
                        static_cast<long double>(changes->tallies.sizeBandBytes[band])});
    return rows;
}

std::vector<RowChange> ageChanges(const RunChanges* changes,
                                  std::array<double, kAgeBuckets> Tallies::*counts,
                                  std::array<std::int64_t, kAgeBuckets> Tallies::*bytes) {
    if (!changes) return {};
    std::vector<RowChange> rows;
    for (int bucket = kAgeBuckets - 1; bucket >= 0; --bucket)
        rows.push_back({(changes->tallies.*counts)[bucket],
                        static_cast<long double>((changes->tallies.*bytes)[bucket])});
    return rows;
}

std::vector<RowChange> attributeChanges(const RunChanges* changes) {
    if (!changes) return {};
    const Tallies& t = changes->tallies;
    const auto row = [](std::int32_t files, std::int64_t bytes) {
        return RowChange{static_cast<long double>(files), static_cast<long double>(bytes)};
    };
    return {row(t.hiddenCount, t.hiddenBytes), row(t.readOnlyCount, t.readOnlyBytes),
            row(t.systemCount, t.systemBytes), row(t.archiveCount, t.archiveBytes)};
}

}  // namespace quarvo
