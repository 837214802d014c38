#include "collect/statistics_collector.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "collect/dos_time.h"
#include "system/drive_space.h"

namespace quarvo {
namespace {

// The last day of each age bucket from 1 on; later days fall into the last.
constexpr std::array<int, 8> kAgeBounds = {7, 30, 60, 120, 365, 730, 1095, 1460};

// The bucket of every age up to the last bound and one past it: an age is
// bucketed three times per file.
constexpr auto kBucketOfAge = [] {
    std::array<std::uint8_t, kAgeBounds.back() + 2> buckets{};
    std::uint8_t bucket = 1;
    for (std::size_t days = 0; days < buckets.size(); ++days) {
        if (bucket <= kAgeBounds.size() && static_cast<int>(days) > kAgeBounds[bucket - 1])
            ++bucket;
        buckets[days] = bucket;
    }
    return buckets;
}();

}  // namespace

StatisticsCollector::StatisticsCollector(LocalClock clock) : clock_(std::move(clock)) {
}

void StatisticsCollector::crunchNumbers(const std::string& dirText, const DirEntry& entry) {
    reportProgress(dirText);
    tallies_.bytesProcessed += entry.size;
    const std::string_view extension = fileExtension(entry.name);
    if (!rule_.isExtensionSelected(extension)) return;
    tallies_.filesSelected += 1;
    collectFileAttr(entry.attributes, entry.size);
    // The clock is read once per file: its three dates are aged from one day.
    const std::int64_t today = currentDay();
    const FileTimes times{readTime(entry.creationTime, today),
                          readTime(entry.lastAccessTime, today),
                          readTime(entry.lastWriteTime, today)};
    DropIntoHourSlot(times);
    countAge(times.accessed, entry.size, tallies_.accessedAgeCount, tallies_.accessedAgeBytes);
    countAge(times.created, entry.size, tallies_.createdAgeCount, tallies_.createdAgeBytes);
    countAge(times.written, entry.size, tallies_.modifiedAgeCount, tallies_.modifiedAgeBytes);
    fileTypeTable_.insertType(extension, entry.size, false);
    const int band = sizeBand(entry.size);
    tallies_.sizeBandCount[band] += 1;
    tallies_.sizeBandBytes[band] += entry.size;
    if (overhangEnabled) countOverhang(entry.size);
}

// The status text is made only for the files that show it, one in three;
// from one folder to the next only the folder at its end changes.
void StatisticsCollector::reportProgress(const std::string& dirText) {
    if (!keepsStatusText_ || tallies_.filesProcessed % 3 != 0) return;
    if (statusFolderAt_ == 0 || currentDrive != statusDrive_) {
        statusDrive_ = currentDrive;
        statusText_.assign("Processing drive ").append(currentDrive).append(" ... standby : ");
        statusFolderAt_ = statusText_.size();
    }
    if (std::string_view(statusText_).substr(statusFolderAt_) != dirText) {
        statusText_.resize(statusFolderAt_);
        statusText_ += dirText;
    }
    if (statusSink_) statusSink_(statusText_);
}

void StatisticsCollector::countAge(const FileTime& time, std::int64_t size,
                                   std::array<double, kAgeBuckets>& counts,
                                   std::array<std::int64_t, kAgeBuckets>& bytes) {
    const int bucket = ageToIndex(time.days);
    counts[bucket] += 1;
    bytes[bucket] += size;
}

// What a file leaves unused of its last cluster is -size mod cluster, which
// for a cluster that is a power of two a mask gives without a division.
void StatisticsCollector::countOverhang(std::int64_t size) {
    std::int64_t* const accumulators[] = {&tallies_.overhang4K, &tallies_.overhang8K,
                                          &tallies_.overhang16K, &tallies_.overhang32K,
                                          &tallies_.overhang64K};
    std::int64_t cluster = 4096;
    for (std::int64_t* accumulator : accumulators) {
        *accumulator += -size & (cluster - 1);
        cluster *= 2;
    }
    if (clusterSize <= 0) return;
    const std::int64_t actual = clusterSize;
    if ((actual & (actual - 1)) == 0) {
        tallies_.overhangActual += -size & (actual - 1);
    } else if (const std::int64_t rest = size % actual; rest > 0) {
        tallies_.overhangActual += actual - rest;
    }
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
void StatisticsCollector::DropIntoHourSlot(const FileTimes& times) {
    const auto drop = [](const FileTime& time, std::array<double, kHalfHourSlots>& slots) {
        if (time.slot > 0) slots[time.slot] += 1;
    };
    drop(times.created, tallies_.createdSlotCount);
    drop(times.written, tallies_.modifiedSlotCount);
    drop(times.accessed, tallies_.accessedSlotCount);
}

int StatisticsCollector::ageInDays(std::uint32_t dosTime) const {
    return readTime(dosTime, currentDay()).days;
}

std::int64_t StatisticsCollector::currentDay() const {
    if (!clock_) return zone_.localDayNow();
    return dayOfSeconds(clock_());
}

// A value whose fields make no date and time stands for 1980's first midnight.
StatisticsCollector::FileTime StatisticsCollector::readTime(std::uint32_t dosTime,
                                                            std::int64_t today) {
    if (dosTime == 0) return {};
    const DosDayAndSlot read = dosDayAndSlot(dosTime);
    return {static_cast<int>(std::llabs(today - read.day)), read.slot};
}

int StatisticsCollector::ageToIndex(int days) {
    if (days < 0) return 0;
    return kBucketOfAge[std::min<std::size_t>(days, kBucketOfAge.size() - 1)];
}

int StatisticsCollector::halfHourSlot(std::uint32_t dosTime) {
    return readTime(dosTime, 0).slot;
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
