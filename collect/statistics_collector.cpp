#include "collect/statistics_collector.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "collect/dos_time.h"
#include "system/drive_space.h"

namespace quarvo {

StatisticsCollector::StatisticsCollector(LocalClock clock) : clock_(std::move(clock)) {
}

void StatisticsCollector::crunchNumbers(const std::string& dirText, const DirEntry& entry) {
    reportProgress(dirText);
    tallies_.bytesProcessed += entry.size;
    const std::string_view extension = fileExtension(entry.name);
    if (!rule_.isExtensionSelected(extension)) return;
    tallies_.filesSelected += 1;
    collectFileAttr(entry.attributes, entry.size);
    DropIntoHourSlot(entry);
    // The clock is read once per file: its three dates are aged from one day.
    const std::int64_t today = currentDay();
    countAge(entry.lastAccessTime, today, entry.size, tallies_.accessedAgeCount,
             tallies_.accessedAgeBytes);
    countAge(entry.creationTime, today, entry.size, tallies_.createdAgeCount,
             tallies_.createdAgeBytes);
    countAge(entry.lastWriteTime, today, entry.size, tallies_.modifiedAgeCount,
             tallies_.modifiedAgeBytes);
    fileTypeTable_.insertType(extension, entry.size, false);
    const int band = sizeBand(entry.size);
    tallies_.sizeBandCount[band] += 1;
    tallies_.sizeBandBytes[band] += entry.size;
    if (overhangEnabled) countOverhang(entry.size);
}

// The status text is made only for the files that show it, one in three,
// and made anew only when the folder or the drive changed.
void StatisticsCollector::reportProgress(const std::string& dirText) {
    if (!keepsStatusText_ || tallies_.filesProcessed % 3 != 0) return;
    if (dirText != statusFolder_ || currentDrive != statusDrive_) {
        statusFolder_ = dirText;
        statusDrive_ = currentDrive;
        statusText_ = "Processing drive " + currentDrive + " ... standby : " + dirText;
    }
    if (statusSink_) statusSink_(statusText_);
}

void StatisticsCollector::countAge(std::uint32_t dosTime, std::int64_t today, std::int64_t size,
                                   std::array<double, kAgeBuckets>& counts,
                                   std::array<std::int64_t, kAgeBuckets>& bytes) {
    const int bucket = ageToIndex(daysBefore(dosTime, today));
    counts[bucket] += 1;
    bytes[bucket] += size;
}

// Sizes are never negative, and a cluster is mostly a power of two, whose rest
// a mask gives without a division.
void StatisticsCollector::countOverhang(std::int64_t size) {
    const auto count = [size](std::int64_t cluster, std::int64_t& accumulator) {
        const bool powerOfTwo = (cluster & (cluster - 1)) == 0;
        const std::int64_t rest = powerOfTwo ? size & (cluster - 1) : size % cluster;
        if (rest > 0) accumulator += cluster - rest;
    };
    std::int64_t* const accumulators[] = {&tallies_.overhang4K, &tallies_.overhang8K,
                                          &tallies_.overhang16K, &tallies_.overhang32K,
                                          &tallies_.overhang64K};
    std::int64_t cluster = 4096;
    for (std::int64_t* accumulator : accumulators) {
        count(cluster, *accumulator);
        cluster *= 2;
    }
    if (clusterSize > 0) count(clusterSize, tallies_.overhangActual);
}

void StatisticsCollector::collectFileAttr(std::uint32_t attributes, std::int64_t size) {
    const auto count = [&](std::uint32_t bit, std::int32_t& files, std::int64_t& bytes) {
        if ((attributes & bit) == 0) return;
        files += 1;
        bytes += size;
    };
    count(kAttrReadOnly, tallies_.readOnlyCount, tallies_.readOnlyBytes);
    count(kAttrHidden, tallies_.hiddenCount, tallies_.hiddenBytes);
    count(kAttrSystem, tallies_.systemCount, tallies_.systemBytes);
    count(kAttrArchive, tallies_.archiveCount, tallies_.archiveBytes);
}

// Slot 0 is left out on purpose: midnight is also what date-only time stamps
// and the 1980 fallback show, which would crowd the time-of-day chart.
void StatisticsCollector::DropIntoHourSlot(const DirEntry& entry) {
    const auto drop = [](std::uint32_t dosTime, std::array<double, kHalfHourSlots>& slots) {
        const int slot = halfHourSlot(dosTime);
        if (slot > 0) slots[slot] += 1;
    };
    drop(entry.creationTime, tallies_.createdSlotCount);
    drop(entry.lastWriteTime, tallies_.modifiedSlotCount);
    drop(entry.lastAccessTime, tallies_.accessedSlotCount);
}

int StatisticsCollector::ageInDays(std::uint32_t dosTime) const {
    return daysBefore(dosTime, currentDay());
}

std::int64_t StatisticsCollector::currentDay() const {
    if (!clock_) return zone_.localDayNow();
    return dayOfSeconds(clock_());
}

int StatisticsCollector::daysBefore(std::uint32_t dosTime, std::int64_t today) {
    if (dosTime == 0) return -1;
    return static_cast<int>(std::llabs(today - dosDayNumber(dosTime)));
}

int StatisticsCollector::ageToIndex(int days) {
    static constexpr int kUpperBounds[] = {7, 30, 60, 120, 365, 730, 1095, 1460};
    if (days < 0) return 0;
    int bucket = 1;
    for (int bound : kUpperBounds) {
        if (days <= bound) return bucket;
        ++bucket;
    }
    return bucket;
}

// A value whose fields make no date and time stands for 1980's first midnight.
int StatisticsCollector::halfHourSlot(std::uint32_t dosTime) {
    if (dosTime == 0) return -1;
    if (!isValidDosDateTime(dosTime)) return 0;
    const auto hour = static_cast<int>(dosTime >> 11 & 0x1F);
    const auto minute = static_cast<int>(dosTime >> 5 & 0x3F);
    return 2 * hour + (minute >= 30 ? 1 : 0);
}

int StatisticsCollector::sizeBand(std::int64_t size) {
    int band = 1;
    for (std::int64_t bound = 16384; band < kSizeBands && size > bound; bound *= 2) ++band;
    return band;
}

// The volume's own allocation unit, as its geometry gives it. The capacity
// of a volume says little of its unit: ext4 and NTFS volumes of any size
// mostly allocate 4 KiB.
void StatisticsCollector::computeClusterSize(VolumeApi& volumes, const std::string& driveEntry) {
    clusterSize = 0;
    if (driveEntry.empty() || !driveReady(volumes, driveEntry[0])) return;
    const auto geometry = volumes.diskFreeSpace(driveRoot(driveEntry[0]));
    if (!geometry) return;
    const std::uint64_t unit =
        std::uint64_t{geometry->sectorsPerCluster} * geometry->bytesPerSector;
    clusterSize = static_cast<std::int32_t>(
        std::min<std::uint64_t>(unit, std::numeric_limits<std::int32_t>::max()));
}

void StatisticsCollector::clearVariables() {
    tallies_ = Tallies{};
    fileTypeTable_.clear();
}

}  // namespace quarvo
