#include "report/text_report.h"

#include <algorithm>

#include "listings/listing_changes.h"
#include "listings/overhang_page.h"
#include "text/number_text.h"
#include "text/utf8_chars.h"

namespace quarvo {
namespace {

constexpr std::string_view kColumnGap = "  ";

std::string section(std::string_view title, const std::string& body) {
    return std::string(title) + "\n" + body + "\n";
}

std::vector<std::size_t> columnWidths(const ListingRows& rows) {
    std::vector<std::size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], utf8CharCount(row[c]));
    }
    return widths;
}

std::string overhangText(const Tallies& tallies, std::int32_t clusterSize,
                         const NumberFormat& format) {
    OverhangFigures page = overhangPage(tallies, clusterSize, format);
    if (!page.enabled) return {};
    // The page's arrow, beside the drive's own cluster size.
    for (std::size_t r = 1; r < page.rows.size(); ++r)
        page.rows[r][2] = (static_cast<int>(r) == page.arrowRow ? "-> " : "   ") + page.rows[r][2];
    std::string body = tableText(page.rows, 3) + page.numberOfFiles + "\n" +
                       "Total file sizes: " + page.totalFileSizes + "\n" + page.actualSpaceUsed +
                       "\n";
    if (!page.notApplicable.empty()) body += page.notApplicable + "\n";
    return section("Overhang", body);
}

}  // namespace

std::string tableText(const ListingRows& rows, std::size_t leftColumns) {
    const std::vector<std::size_t> widths = columnWidths(rows);
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string padding(widths[c] - utf8CharCount(row[c]), ' ');
            if (c > 0) line += kColumnGap;
            line += c < leftColumns ? row[c] + padding : padding + row[c];
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

std::string finishedText(const Tallies& tallies, const NumberFormat& format) {
    std::string text =
        "Finished - " + intToThousands(tallies.filesProcessed, format) + " files processed";
    if (tallies.filesSelected != tallies.filesProcessed)
        text += " " + intToThousands(tallies.filesSelected, format) + " files found";
    return text;
}

std::string textReport(const StatisticsCollector& collector, const TextReportStyle& style,
                       bool withOverhang, const RunChanges* changes) {
    const Tallies& t = collector.tallies();
    const NumberFormat& f = style.format;
    const auto ages = [&](ListingRows rows, std::array<double, kAgeBuckets> Tallies::*counts,
                          std::array<std::int64_t, kAgeBuckets> Tallies::*bytes) {
        return tableText(withChanges(std::move(rows), ageChanges(changes, counts, bytes), f), 1);
    };
    std::string out =
        section("Types",
                tableText(withChanges(typesListing(collector.fileTypeTable(), style.describe, f),
                                      typeChanges(changes), f),
                          2)) +
        section("Sizes", tableText(withChanges(sizesListing(t, f), sizeChanges(changes), f), 1)) +
        section("Access", ages(accessedListing(t, f), &Tallies::accessedAgeCount,
                               &Tallies::accessedAgeBytes)) +
        section("Created",
                ages(createdListing(t, f), &Tallies::createdAgeCount, &Tallies::createdAgeBytes)) +
        section("Modified", ages(modifiedListing(t, f), &Tallies::modifiedAgeCount,
                                 &Tallies::modifiedAgeBytes)) +
        section("Combined", tableText(combinedListing(t, f), 1)) +
        section("Time", tableText(timeOfDayListing(t, style.timeText, f), 1)) +
        section("Attribute",
                tableText(withChanges(attributesListing(t, f), attributeChanges(changes), f), 1));
    if (withOverhang) out += overhangText(t, collector.clusterSize, f);
    return out + finishedText(t, f) + "\n";
}

}  // namespace quarvo
