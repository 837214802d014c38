#include "listings/overhang_page.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

#include "text/number_text.h"

namespace quarvo {
namespace {

constexpr long double kKilobyte = 1024;
constexpr long double kMegabyte = 1048576;

struct ClusterRow {
    const char* fatSize;
    const char* fat32Size;
    const char* clusterSize;
    std::int32_t bytes;
    std::int64_t Tallies::*overhang;
};

constexpr std::array<ClusterRow, 5> kClusterRows = {{
    {"255 MB", "Less than 8GB", "4K", 4096, &Tallies::overhang4K},
    {"256 MB - 511 MB", "Less than 16GB", "8K", 8192, &Tallies::overhang8K},
    {"512 MB - 1023 MB", "Less than 32GB", "16K", 16384, &Tallies::overhang16K},
    {"1 GB - 2 GB", "32GB or more", "32K", 32768, &Tallies::overhang32K},
    {"2 GB - 4 GB", "", "64K", 65536, &Tallies::overhang64K},
}};

// Small totals read better in KB; the unit follows the files' own bytes, so
// the total and the space actually used are shown in the same unit.
std::string sizeText(long double bytes, std::int64_t totalBytes, const NumberFormat& format) {
    if (totalBytes < kMegabyte) return floatToThousands(bytes / kKilobyte, format) + " KB";
    return floatToThousands(bytes / kMegabyte, format) + " MB";
}

void fillClusterRows(OverhangFigures& page, const Tallies& tallies, std::int64_t total,
                     const NumberFormat& format) {
    page.rows = {
        {"FAT Partion size", "FAT 32 Size", "Cluster size", "Percent wasted", "Wasted space"}};
    for (std::size_t i = 0; i < kClusterRows.size(); ++i) {
        const ClusterRow& row = kClusterRows[i];
        const long double overhang = tallies.*row.overhang;
        page.wastedPercent[i] = 100 * overhang / (overhang + total);
        page.rows.push_back({row.fatSize, row.fat32Size, row.clusterSize,
                             floatToThousands(page.wastedPercent[i], format) + " %",
                             floatToThousands(overhang, format)});
    }
}

}  // namespace

// Units are powers of two as a rule; one between two rows goes to the row
// nearer on that scale.
int clusterRow(std::int32_t clusterSize) {
    if (clusterSize <= 0) return 0;
    const long doublings = std::lround(std::log2(clusterSize / double{kClusterRows[0].bytes}));
    return static_cast<int>(std::clamp<long>(doublings, 0, kClusterRows.size() - 1)) + 1;
}

std::int64_t totalFileBytes(const Tallies& tallies) {
    return std::accumulate(tallies.sizeBandBytes.begin() + 1, tallies.sizeBandBytes.end(),
                           std::int64_t{0});
}

std::int64_t actualOverhang(const Tallies& tallies, std::int32_t clusterSize) {
    return clusterSize > 0 ? tallies.overhangActual : 0;
}

OverhangFigures overhangPage(const Tallies& tallies, std::int32_t clusterSize,
                             const NumberFormat& format) {
    OverhangFigures page;
    const std::int64_t total = totalFileBytes(tallies);
    if (total == 0) return page;
    page.enabled = true;
    fillClusterRows(page, tallies, total, format);
    page.arrowRow = clusterRow(clusterSize);
    page.numberOfFiles =
        "Number of files scanned: " + intToThousands(tallies.filesSelected, format);
    page.totalFileSizes = sizeText(total, total, format);
    if (page.arrowRow == 0) {
        page.actualSpaceUsed = "Actual space used:";
        page.notApplicable = "Cluster overhang analysis is not applicable to this drive.";
    } else {
        const long double used =
            static_cast<long double>(total) + actualOverhang(tallies, clusterSize);
        page.actualSpaceUsed = "Actual space used " + sizeText(used, total, format);
    }
    return page;
}

}  // namespace quarvo
