#pragma once
// The figures of the Overhang page for a one-drive run: how much space the
// selected files lose to the unused tail of their last cluster, for the
// drive's own cluster size and for the other sizes FAT volumes use.

#include <array>
#include <cstdint>
#include <string>

#include "collect/tallies.h"
#include "listings/page_listings.h"
#include "text/number_format.h"

namespace quarvo {

struct OverhangFigures {
    // False when the selected files hold no bytes: the page is disabled and
    // nothing else here is filled.
    bool enabled = false;
    // Row 1 to 5 of the listing that the arrow points at (the drive's own
    // cluster size, see clusterRow); 0 when that size is not known.
    int arrowRow = 0;
    // "FAT Partion size", "FAT 32 Size", "Cluster size", "Percent wasted",
    // "Wasted space"; the 4K row first.
    ListingRows rows;
    // The share in percent of the space taken at each cluster size that is
    // slack, as the bars show it; the 4K row first.
    std::array<long double, 5> wastedPercent{};
    std::string numberOfFiles;    // "Number of files scanned: 1,234"
    std::string totalFileSizes;   // in KB below 1 MB, else in MB
    std::string actualSpaceUsed;  // at the drive's own cluster size; the caption without one
    std::string notApplicable;    // the text covering the page when there is no arrow
};

// The bytes of all selected files: the sum over the twelve size bands.
[[nodiscard]] std::int64_t totalFileBytes(const Tallies& tallies);
// The row 1 to 5 of a cluster size: its own for 4K to 64K, else the
// nearest; 0 for a size that is not known (0).
[[nodiscard]] int clusterRow(std::int32_t clusterSize);
// The bytes left unused at the drive's own cluster size; 0 when not known.
[[nodiscard]] std::int64_t actualOverhang(const Tallies& tallies, std::int32_t clusterSize);

[[nodiscard]] OverhangFigures overhangPage(const Tallies& tallies, std::int32_t clusterSize,
                                           const NumberFormat& format);

}  // namespace quarvo
