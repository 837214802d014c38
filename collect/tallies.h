#pragma once
// The counts and byte totals of a scan, as the statistics pages read them.
// Counts per band, bucket and slot are floating-point like the charts that
// show them; byte totals are 64-bit integers, since files of 2 GiB and more
// are real.

#include <array>
#include <cstdint>

namespace quarvo {

inline constexpr int kSizeBands = 12;      // bands 1 to 12
inline constexpr int kAgeBuckets = 10;     // 0 "Not recorded", 1 to 9 by age
inline constexpr int kHalfHourSlots = 48;  // slot 0 is 00:00 to 00:29

struct Tallies {
    // Indexed 1 to 12; entry 0 is never used.
    std::array<double, kSizeBands + 1> sizeBandCount{};
    std::array<std::int64_t, kSizeBands + 1> sizeBandBytes{};

    std::array<double, kAgeBuckets> accessedAgeCount{};
    std::array<std::int64_t, kAgeBuckets> accessedAgeBytes{};
    std::array<double, kAgeBuckets> createdAgeCount{};
    std::array<std::int64_t, kAgeBuckets> createdAgeBytes{};
    std::array<double, kAgeBuckets> modifiedAgeCount{};
    std::array<std::int64_t, kAgeBuckets> modifiedAgeBytes{};

    std::array<double, kHalfHourSlots> modifiedSlotCount{};
    std::array<double, kHalfHourSlots> createdSlotCount{};
    std::array<double, kHalfHourSlots> accessedSlotCount{};

    std::int32_t readOnlyCount = 0;
    std::int32_t hiddenCount = 0;
    std::int32_t systemCount = 0;
    std::int32_t archiveCount = 0;
    std::int64_t readOnlyBytes = 0;
    std::int64_t hiddenBytes = 0;
    std::int64_t systemBytes = 0;
    std::int64_t archiveBytes = 0;

    // Bytes the selected files would leave unused in their last cluster with
    // clusters of 4, 8, 16, 32 and 64 KB.
    std::int64_t overhang4K = 0;
    std::int64_t overhang8K = 0;
    std::int64_t overhang16K = 0;
    std::int64_t overhang32K = 0;
    std::int64_t overhang64K = 0;
    // The same with the clusters of the drive scanned (its clusterSize), which
    // may be none of the five.
    std::int64_t overhangActual = 0;

    // Every file the walk met, selected or not, over all drives of a run.
    std::int32_t filesProcessed = 0;
    // Files that passed the file-type rule and were tallied.
    std::int32_t filesSelected = 0;
    // Bytes of every file the walk met, for the progress of a run.
    std::int64_t bytesProcessed = 0;
};

}  // namespace quarvo
