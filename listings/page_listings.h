#pragma once
// The listings of the statistics pages as rows of text cells, header row
// first, made from the tallies of the last run. The windows fill their grids
// from these rows; quarvo-report prints them. Numbers are formatted with the
// separators of the NumberFormat given.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "collect/file_rule.h"
#include "collect/file_type_table.h"
#include "collect/tallies.h"
#include "text/number_format.h"

namespace quarvo {

using ListingRows = std::vector<std::vector<std::string>>;

// The description of a file-type key such as ".DOC" (empty for no extension).
using DescribeType = std::function<std::string(const std::string& key)>;
// The text of a time of day, hours 0 to 23 and minutes 0 or 30, in the
// user's short time format.
using TimeOfDayText = std::function<std::string(int hours, int minutes)>;

// "0 - 16K" for band 1 up to "Over 16MB" for band 12.
[[nodiscard]] std::string_view sizeBandLabel(int band);
// "Not recorded" for bucket 0 up to "Over 4 years" for bucket 9.
[[nodiscard]] std::string_view ageBucketLabel(int bucket);

// Gives every type of an include rule an entry in the table, with 0 files
// when none was found, so the Types listing shows each listed type.
void seedListedTypes(FileTypeTable& table, const FileRule& rule);

// The Types listing: "Extension", "Type", "Size", "# Files", "Avg File Size",
// one row per table entry in table order, then the totals row.
[[nodiscard]] ListingRows typesListing(const FileTypeTable& table, const DescribeType& describe,
                                       const NumberFormat& format);

// The Sizes listing: the twelve size bands, the largest first.
[[nodiscard]] ListingRows sizesListing(const Tallies& tallies, const NumberFormat& format);

// The listing of one date kind under its caption ("Accessed Date", ...): the
// ten age buckets, the oldest first.
[[nodiscard]] ListingRows datesListing(std::string_view caption,
                                       const std::array<std::int64_t, kAgeBuckets>& bytes,
                                       const std::array<double, kAgeBuckets>& counts,
                                       const NumberFormat& format);
[[nodiscard]] ListingRows accessedListing(const Tallies& tallies, const NumberFormat& format);
[[nodiscard]] ListingRows createdListing(const Tallies& tallies, const NumberFormat& format);
[[nodiscard]] ListingRows modifiedListing(const Tallies& tallies, const NumberFormat& format);

// The Combined listing: the three date kinds side by side, size and files.
[[nodiscard]] ListingRows combinedListing(const Tallies& tallies, const NumberFormat& format);

// The 48 half-hour slots with the files modified, created and accessed in
// each, as the Time chart's three lines show them.
[[nodiscard]] ListingRows timeOfDayListing(const Tallies& tallies, const TimeOfDayText& timeText,
                                           const NumberFormat& format);

// The Attribute page's figures: files and bytes for Hidden, Read-only,
// System and Archive, in the page's row order.
[[nodiscard]] ListingRows attributesListing(const Tallies& tallies, const NumberFormat& format);

}  // namespace quarvo
