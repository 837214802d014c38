#pragma once
// The change columns of the listings when a run is compared with an earlier
// one: "Change in files" and "Change in size" after a listing's own
// columns, signed, in the listing's row order. Without changes (null) a
// listing keeps its own columns.

#include <array>
#include <cstdint>
#include <vector>

#include "collect/run_changes.h"
#include "listings/page_listings.h"

namespace quarvo {

struct RowChange {
    long double files = 0;
    long double bytes = 0;
};

// The change columns after a listing's own, a row of changes for each row
// below the header, in the listing's order.
[[nodiscard]] ListingRows withChanges(ListingRows rows, const std::vector<RowChange>& changes,
                                      const NumberFormat& format);

// A listing of several kinds side by side (after the first column, the
// bytes and the files of each kind), with each figure's change beside it:
// "Change in size" after the bytes, "Change in files" after the files.
// changes holds a row of changes per kind, in the listing's order.
[[nodiscard]] ListingRows withChangesBeside(const ListingRows& rows,
                                            const std::vector<std::vector<RowChange>>& changes,
                                            const NumberFormat& format);

// Each type's change, then the change of the totals.
[[nodiscard]] std::vector<RowChange> typeChanges(const RunChanges* changes);
// The largest band first, as the Sizes listing shows them.
[[nodiscard]] std::vector<RowChange> sizeChanges(const RunChanges* changes);
// The oldest bucket first, as the date listings show them.
[[nodiscard]] std::vector<RowChange> ageChanges(
    const RunChanges* changes, std::array<double, kAgeBuckets> Tallies::*counts,
    std::array<std::int64_t, kAgeBuckets> Tallies::*bytes);
// In the Attribute listing's order.
[[nodiscard]] std::vector<RowChange> attributeChanges(const RunChanges* changes);

}  // namespace quarvo
