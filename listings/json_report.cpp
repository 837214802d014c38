#include "listings/json_report.h"

#include <optional>

namespace quarvo {
namespace {

struct Change {
    double files = 0;
    std::int64_t bytes = 0;
};

void writeChange(JsonWriter& json, const std::optional<Change>& change) {
    if (!change) return;
    json.key("filesDelta");
    json.value(change->files);
    json.key("bytesDelta");
    json.value(change->bytes);
}

void writeFilesAndBytes(JsonWriter& json, const char* labelKey, std::string_view label,
                        double files, std::int64_t bytes, const std::optional<Change>& change) {
    json.beginObject();
    json.key(labelKey);
    json.value(label);
    json.key("files");
    json.value(files);
    json.key("bytes");
    json.value(bytes);
    writeChange(json, change);
    json.endObject();
}

void writeTypes(JsonWriter& json, const FileTypeTable& table, const DescribeType& describe,
                const RunChanges* changes) {
    json.key("types");
    json.beginArray();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FileTypeCount& type = table.at(i);
        json.beginObject();
        json.key("extension");
        json.value(type.key);
        json.key("description");
        json.value(describe(type.key));
        json.key("files");
        json.value(std::int64_t{type.count});
        json.key("bytes");
        json.value(type.bytes);
        if (changes && i < changes->types.size())
            writeChange(json, Change{changes->types[i].files, changes->types[i].bytes});
        json.endObject();
    }
    json.endArray();
}

void writeSizes(JsonWriter& json, const Tallies& t, const Tallies* change) {
    json.key("sizes");
    json.beginArray();
    for (int band = 1; band <= kSizeBands; ++band) {
        writeFilesAndBytes(
            json, "band", sizeBandLabel(band), t.sizeBandCount[band], t.sizeBandBytes[band],
            change
                ? std::optional<Change>({change->sizeBandCount[band], change->sizeBandBytes[band]})
                : std::nullopt);
    }
    json.endArray();
}

using AgeCounts = std::array<double, kAgeBuckets> Tallies::*;
using AgeBytes = std::array<std::int64_t, kAgeBuckets> Tallies::*;

void writeAges(JsonWriter& json, const char* name, const Tallies& t, AgeCounts counts,
               AgeBytes bytes, const Tallies* change) {
    json.key(name);
    json.beginArray();
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket) {
        writeFilesAndBytes(
            json, "bucket", ageBucketLabel(bucket), (t.*counts)[bucket], (t.*bytes)[bucket],
            change ? std::optional<Change>({(change->*counts)[bucket], (change->*bytes)[bucket]})
                   : std::nullopt);
    }
    json.endArray();
}

void writeSlots(JsonWriter& json, const char* name,
                const std::array<double, kHalfHourSlots>& slots) {
    json.key(name);
    json.beginArray();
    for (double count : slots) json.value(count);
    json.endArray();
}

void writeTimeOfDay(JsonWriter& json, const Tallies& t) {
    json.key("timeOfDay");
    json.beginObject();
    writeSlots(json, "modified", t.modifiedSlotCount);
    writeSlots(json, "created", t.createdSlotCount);
    writeSlots(json, "accessed", t.accessedSlotCount);
    json.endObject();
}

using AttributeCount = std::int32_t Tallies::*;
using AttributeBytes = std::int64_t Tallies::*;

void writeAttributes(JsonWriter& json, const Tallies& t, const Tallies* change) {
    const std::tuple<const char*, AttributeCount, AttributeBytes> attributes[] = {
        {"readOnly", &Tallies::readOnlyCount, &Tallies::readOnlyBytes},
        {"hidden", &Tallies::hiddenCount, &Tallies::hiddenBytes},
        {"system", &Tallies::systemCount, &Tallies::systemBytes},
        {"archive", &Tallies::archiveCount, &Tallies::archiveBytes}};
    json.key("attributes");
    json.beginObject();
    for (const auto& [name, count, bytes] : attributes) {
        json.key(name);
        json.beginObject();
        json.key("files");
        json.value(std::int64_t{t.*count});
        json.key("bytes");
        json.value(t.*bytes);
        if (change) writeChange(json, Change{static_cast<double>(change->*count), change->*bytes});
        json.endObject();
    }
    json.endObject();
}

void writeOverhang(JsonWriter& json, const char* name, const Tallies& t) {
    json.key(name);
    json.beginObject();
    const std::pair<const char*, std::int64_t> sizes[] = {{"4K", t.overhang4K},
                                                          {"8K", t.overhang8K},
                                                          {"16K", t.overhang16K},
                                                          {"32K", t.overhang32K},
                                                          {"64K", t.overhang64K}};
    for (const auto& [size, bytes] : sizes) {
        json.key(size);
        json.value(bytes);
    }
    json.key("actual");  // at clusterSize
    json.value(t.overhangActual);
    json.endObject();
}

void writeLeftOut(JsonWriter& json, const std::vector<LeftOutFolder>& leftOut) {
    json.key("leftOut");
    json.beginArray();
    for (const LeftOutFolder& folder : leftOut) {
        json.beginObject();
        json.key("path");
        json.value(folder.path);
        json.key("reason");
        json.value(folder.reason);
        json.endObject();
    }
    json.endArray();
}

void writeCounter(JsonWriter& json, const char* name, std::int32_t count, const Tallies* change,
                  std::int32_t Tallies::*counter) {
    json.key(name);
    json.value(std::int64_t{count});
    if (!change) return;
    json.key(std::string(name) + "Delta");
    json.value(std::int64_t{change->*counter});
}

}  // namespace

void writeReportMembers(JsonWriter& json, const ReportFigures& figures, const RunChanges* changes) {
    const Tallies& t = figures.collector.tallies();
    const Tallies* change = changes ? &changes->tallies : nullptr;
    writeCounter(json, "filesProcessed", t.filesProcessed, change, &Tallies::filesProcessed);
    writeCounter(json, "filesSelected", t.filesSelected, change, &Tallies::filesSelected);
    json.key("clusterSize");
    json.value(std::int64_t{figures.collector.clusterSize});
    writeTypes(json, figures.collector.fileTypeTable(), figures.describe, changes);
    writeSizes(json, t, change);
    writeAges(json, "accessed", t, &Tallies::accessedAgeCount, &Tallies::accessedAgeBytes, change);
    writeAges(json, "created", t, &Tallies::createdAgeCount, &Tallies::createdAgeBytes, change);
    writeAges(json, "modified", t, &Tallies::modifiedAgeCount, &Tallies::modifiedAgeBytes, change);
    writeTimeOfDay(json, t);
    writeAttributes(json, t, change);
    if (figures.withOverhang) writeOverhang(json, "overhang", t);
    if (figures.withOverhang && changes && changes->withOverhang)
        writeOverhang(json, "overhangDelta", changes->tallies);
    writeLeftOut(json, figures.leftOut);
}

std::string jsonReport(const StatisticsCollector& collector, const DescribeType& describe,
                       bool withOverhang, const std::vector<LeftOutFolder>& leftOut) {
    JsonWriter json;
    json.beginObject();
    writeReportMembers(json, {collector, describe, withOverhang, leftOut});
    json.endObject();
    return json.text();
}

}  // namespace quarvo
