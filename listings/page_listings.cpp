#include "listings/page_listings.h"

#include <array>

#include "text/number_text.h"

namespace quarvo {
namespace {

constexpr std::array<std::string_view, kSizeBands> kSizeBandLabels = {
    "0 - 16K",    "16K - 32K", "32K - 64K", "64K - 128K", "128K - 256K", "256K - 512K",
    "512K - 1MB", "1MB - 2MB", "2MB - 4MB", "4MB - 8MB",  "8MB - 16MB",  "Over 16MB"};

constexpr std::array<std::string_view, kAgeBuckets> kAgeBucketLabels = {
    "Not recorded",   "<= 7 days",   "8 - 30 days", "31 - 60 days", "61 - 120 days",
    "121 - 365 days", "1 - 2 years", "2 - 3 years", "3 - 4 years",  "Over 4 years"};

std::string number(long double value, const NumberFormat& format) {
    return floatToThousands(value, format);
}

}  // namespace

std::string_view sizeBandLabel(int band) {
    return band >= 1 && band <= kSizeBands ? kSizeBandLabels[band - 1] : std::string_view();
}

std::string_view ageBucketLabel(int bucket) {
    return bucket >= 0 && bucket < kAgeBuckets ? kAgeBucketLabels[bucket] : std::string_view();
}

void seedListedTypes(FileTypeTable& table, const FileRule& rule) {
    if (rule.allFileTypes || !rule.selectIfListed) return;
    for (const std::string& entry : rule.ruleList())
        table.insertType(FileRule::extractExtension(entry), 0, true);
}

ListingRows typesListing(const FileTypeTable& table, const DescribeType& describe,
                         const NumberFormat& format) {
    ListingRows rows = {{"Extension", "Type", "Size", "# Files", "Avg File Size"}};
    // The totals add the typed figures, not the cell texts.
    long double totalBytes = 0;
    long double totalFiles = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FileTypeCount& type = table.at(i);
        rows.push_back({type.key, describe ? describe(type.key) : std::string(),
                        number(type.bytes, format), number(type.count, format),
                        averageText(type.count, static_cast<double>(type.bytes), format)});
        totalBytes += type.bytes;
        totalFiles += type.count;
    }
    rows.push_back({"", "Totals", number(totalBytes, format), number(totalFiles, format), ""});
    return rows;
}

ListingRows sizesListing(const Tallies& tallies, const NumberFormat& format) {
    ListingRows rows = {{"File size", "Total file size", "Number of files"}};
    for (int band = kSizeBands; band >= 1; --band) {
        rows.push_back({std::string(sizeBandLabel(band)),
                        number(tallies.sizeBandBytes[band], format),
                        number(tallies.sizeBandCount[band], format)});
    }
    return rows;
}

ListingRows datesListing(std::string_view caption,
                         const std::array<std::int64_t, kAgeBuckets>& bytes,
                         const std::array<double, kAgeBuckets>& counts,
                         const NumberFormat& format) {
    ListingRows rows = {{std::string(caption), "Total file size", "Number of files"}};
    for (int bucket = kAgeBuckets - 1; bucket >= 0; --bucket) {
        rows.push_back({std::string(ageBucketLabel(bucket)), number(bytes[bucket], format),
                        number(counts[bucket], format)});
    }
    return rows;
}

ListingRows accessedListing(const Tallies& tallies, const NumberFormat& format) {
    return datesListing("Accessed Date", tallies.accessedAgeBytes, tallies.accessedAgeCount,
                        format);
}

ListingRows createdListing(const Tallies& tallies, const NumberFormat& format) {
    return datesListing("Created Date", tallies.createdAgeBytes, tallies.createdAgeCount, format);
}

ListingRows modifiedListing(const Tallies& tallies, const NumberFormat& format) {
    return datesListing("Modified Date", tallies.modifiedAgeBytes, tallies.modifiedAgeCount,
                        format);
}

ListingRows combinedListing(const Tallies& tallies, const NumberFormat& format) {
    ListingRows rows = {{"Combined dates", "Access Size", "Access # files", "Create Size",
                         "Create # files", "Modify Size", "Modify # files"}};
    const auto files = [&](double count) {
        return intToThousands(static_cast<std::int64_t>(count), format);
    };
    for (int k = kAgeBuckets - 1; k >= 0; --k) {
        rows.push_back(
            {std::string(ageBucketLabel(k)), number(tallies.accessedAgeBytes[k], format),
             files(tallies.accessedAgeCount[k]), number(tallies.createdAgeBytes[k], format),
             files(tallies.createdAgeCount[k]), number(tallies.modifiedAgeBytes[k], format),
             files(tallies.modifiedAgeCount[k])});
    }
    return rows;
}

ListingRows timeOfDayListing(const Tallies& tallies, const TimeOfDayText& timeText,
                             const NumberFormat& format) {
    ListingRows rows = {{"Time", "Modified time", "Created time", "Access Time"}};
    for (int slot = 0; slot < kHalfHourSlots; ++slot) {
        rows.push_back({timeText ? timeText(slot / 2, 30 * (slot % 2)) : std::string(),
                        number(tallies.modifiedSlotCount[slot], format),
                        number(tallies.createdSlotCount[slot], format),
                        number(tallies.accessedSlotCount[slot], format)});
    }
    return rows;
}

ListingRows attributesListing(const Tallies& tallies, const NumberFormat& format) {
    const auto row = [&](const char* label, std::int32_t files, std::int64_t bytes) {
        return std::vector<std::string>{label, intToThousands(files, format),
                                        number(bytes, format)};
    };
    return {{"", "# Files", "File Sizes"},
            row("Hidden", tallies.hiddenCount, tallies.hiddenBytes),
            row("Read-only", tallies.readOnlyCount, tallies.readOnlyBytes),
            row("System", tallies.systemCount, tallies.systemBytes),
            row("Archive", tallies.archiveCount, tallies.archiveBytes)};
}

}  // namespace quarvo
