#pragma once
// One fixed set of tallies, as a scan of a well-used home drive could leave
// them: a few dozen file types, every size band, age bucket and half-hour
// slot used, one band above 2 GiB. The page tests and the gallery fill the
// statistics pages from it, so that every picture shows the same run.

#include <cstdint>

#include "collect/statistics_collector.h"

namespace quarvo::testing {

inline void fillSampleStatistics(StatisticsCollector& collector) {
    collector.clearVariables();
    Tallies& t = collector.tallies();
    static constexpr std::int64_t kMiB = 1 << 20;
    // Counts fall and bytes rise with the band; band 12 holds files of 2 GiB
    // and more, so its total passes 32 bits.
    static constexpr double kBandCount[kSizeBands + 1] = {
        0, 48211, 9120, 6210, 3302, 2107, 1420, 803, 512, 260, 131, 57, 14};
    static constexpr std::int64_t kBandBytes[kSizeBands + 1] = {
        0,          120 * kMiB,  286 * kMiB,  492 * kMiB,   811 * kMiB,
        1544 * kMiB, 2905 * kMiB, 3377 * kMiB, 4420 * kMiB, 4801 * kMiB,
        5012 * kMiB, 4390 * kMiB, 41230 * kMiB};
    double files = 0;
    std::int64_t bytes = 0;
    for (int band = 1; band <= kSizeBands; ++band) {
        t.sizeBandCount[band] = kBandCount[band];
        t.sizeBandBytes[band] = kBandBytes[band];
        files += kBandCount[band];
        bytes += kBandBytes[band];
    }
    // The three kinds of age share the files out differently: access dates
    // are recent, creation dates spread, write dates in between.
    static constexpr double kAccessed[kAgeBuckets] = {0, 0.31, 0.22, 0.14, 0.11, 0.08, 0.06, 0.04, 0.03, 0.01};
    static constexpr double kCreated[kAgeBuckets] = {0.02, 0.03, 0.05, 0.07, 0.09, 0.12, 0.16, 0.18, 0.15, 0.13};
    static constexpr double kModified[kAgeBuckets] = {0, 0.06, 0.08, 0.10, 0.12, 0.14, 0.15, 0.14, 0.12, 0.09};
    for (int b = 0; b < kAgeBuckets; ++b) {
        t.accessedAgeCount[b] = static_cast<double>(static_cast<std::int64_t>(files * kAccessed[b]));
        t.accessedAgeBytes[b] = static_cast<std::int64_t>(static_cast<double>(bytes) * kAccessed[b]);
        t.createdAgeCount[b] = static_cast<double>(static_cast<std::int64_t>(files * kCreated[b]));
        t.createdAgeBytes[b] = static_cast<std::int64_t>(static_cast<double>(bytes) * kCreated[b]);
        t.modifiedAgeCount[b] = static_cast<double>(static_cast<std::int64_t>(files * kModified[b]));
        t.modifiedAgeBytes[b] = static_cast<std::int64_t>(static_cast<double>(bytes) * kModified[b]);
    }
    // A working day: quiet at night, busy from nine to six, every slot used.
    for (int slot = 0; slot < kHalfHourSlots; ++slot) {
        const int hour = slot / 2;
        const double day = (hour >= 9 && hour < 18) ? 1400 : (hour >= 7 && hour < 23) ? 500 : 40;
        t.modifiedSlotCount[slot] = day + 7 * slot;
        t.createdSlotCount[slot] = day / 2 + 3 * (slot % 5);
        t.accessedSlotCount[slot] = day * 1.6 + 11 * (slot % 7);
    }
    t.readOnlyCount = 2310;
    t.readOnlyBytes = 905 * kMiB;
    t.hiddenCount = 14120;
    t.hiddenBytes = 3120 * kMiB;
    t.systemCount = 41;
    t.systemBytes = 2 * kMiB;
    t.archiveCount = static_cast<std::int32_t>(files) - 41;
    t.archiveBytes = bytes - 2 * kMiB;
    t.overhang4K = 141 * kMiB;
    t.overhang8K = 318 * kMiB;
    t.overhang16K = 677 * kMiB;
    t.overhang32K = 1402 * kMiB;
    t.overhang64K = 2861 * kMiB;
    t.overhangActual = t.overhang4K;  // at the clusterSize below
    t.filesProcessed = static_cast<std::int32_t>(files) + 1203;
    t.filesSelected = static_cast<std::int32_t>(files);

    // File types: (key, files, MiB); the table sorts them itself.
    struct Type {
        const char* key;
        int files;
        double mib;
    };
    static constexpr Type kTypes[] = {
        {".JPG", 9120, 21450},  {".MP4", 212, 18020},  {".PDF", 1830, 4210},
        {".PNG", 7710, 2980},   {".ISO", 3, 5120},     {".ZIP", 140, 3015},
        {".MP3", 2620, 9830},   {".DOCX", 904, 402},   {".XLSX", 311, 188},
        {".TXT", 5120, 61},     {".H", 6011, 44},      {".CPP", 4830, 97},
        {".PY", 2210, 36},      {".JS", 8330, 310},    {".JSON", 3120, 140},
        {".HTML", 1640, 83},    {".CSS", 930, 21},     {".SVG", 2410, 58},
        {".GZ", 420, 1320},     {".XZ", 88, 910},      {".SO", 1210, 2240},
        {".O", 3400, 1120},     {".LOG", 260, 410},    {".DB", 31, 690},
        {".MKV", 17, 9400},     {".WAV", 64, 1880},    {".TTF", 390, 97},
        {".XML", 1770, 64},     {".MD", 640, 6},       {".SH", 530, 3},
        {".DEB", 95, 870},      {"", 2980, 210},
    };
    FileTypeTable& table = collector.fileTypeTable();
    for (const Type& type : kTypes) {
        const auto perFile = static_cast<std::int64_t>(type.mib * kMiB / type.files);
        for (int i = 0; i < type.files; ++i) table.insertType(type.key, perFile, false);
    }
    collector.clusterSize = 4096;
    collector.currentDrive = "c: [system]";
}

}  // namespace quarvo::testing
