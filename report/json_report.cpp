#include "report/json_report.h"

#include "report/json_writer.h"

namespace quarvo {
namespace {

void writeFilesAndBytes(JsonWriter& json, const char* labelKey, std::string_view label,
                        double files, std::int64_t bytes) {
    json.beginObject();
    json.key(labelKey);
    json.value(label);
    json.key("files");
    json.value(files);
    json.key("bytes");
    json.value(bytes);
    json.endObject();
}

void writeTypes(JsonWriter& json, const FileTypeTable& table, const DescribeType& describe) {
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
        json.endObject();
    }
    json.endArray();
}

void writeSizes(JsonWriter& json, const Tallies& t) {
    json.key("sizes");
    json.beginArray();
    for (int band = 1; band <= kSizeBands; ++band)
        writeFilesAndBytes(json, "band", sizeBandLabel(band), t.sizeBandCount[band],
                           t.sizeBandBytes[band]);
    json.endArray();
}

void writeAges(JsonWriter& json, const char* name, const std::array<double, kAgeBuckets>& counts,
               const std::array<std::int64_t, kAgeBuckets>& bytes) {
    json.key(name);
    json.beginArray();
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket)
        writeFilesAndBytes(json, "bucket", ageBucketLabel(bucket), counts[bucket], bytes[bucket]);
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

void writeAttribute(JsonWriter& json, const char* name, std::int32_t files, std::int64_t bytes) {
    json.key(name);
    json.beginObject();
    json.key("files");
    json.value(std::int64_t{files});
    json.key("bytes");
    json.value(bytes);
    json.endObject();
}

void writeAttributes(JsonWriter& json, const Tallies& t) {
    json.key("attributes");
    json.beginObject();
    writeAttribute(json, "readOnly", t.readOnlyCount, t.readOnlyBytes);
    writeAttribute(json, "hidden", t.hiddenCount, t.hiddenBytes);
    writeAttribute(json, "system", t.systemCount, t.systemBytes);
    writeAttribute(json, "archive", t.archiveCount, t.archiveBytes);
    json.endObject();
}

void writeOverhang(JsonWriter& json, const Tallies& t) {
    json.key("overhang");
    json.beginObject();
    const std::pair<const char*, std::int64_t> sizes[] = {{"4K", t.overhang4K},
                                                          {"8K", t.overhang8K},
                                                          {"16K", t.overhang16K},
                                                          {"32K", t.overhang32K},
                                                          {"64K", t.overhang64K}};
    for (const auto& [name, bytes] : sizes) {
        json.key(name);
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

}  // namespace

std::string jsonReport(const StatisticsCollector& collector, const DescribeType& describe,
                       bool withOverhang, const std::vector<LeftOutFolder>& leftOut) {
    const Tallies& t = collector.tallies();
    JsonWriter json;
    json.beginObject();
    json.key("filesProcessed");
    json.value(std::int64_t{t.filesProcessed});
    json.key("filesSelected");
    json.value(std::int64_t{t.filesSelected});
    json.key("clusterSize");
    json.value(std::int64_t{collector.clusterSize});
    writeTypes(json, collector.fileTypeTable(), describe);
    writeSizes(json, t);
    writeAges(json, "accessed", t.accessedAgeCount, t.accessedAgeBytes);
    writeAges(json, "created", t.createdAgeCount, t.createdAgeBytes);
    writeAges(json, "modified", t.modifiedAgeCount, t.modifiedAgeBytes);
    writeTimeOfDay(json, t);
    writeAttributes(json, t);
    if (withOverhang) writeOverhang(json, t);
    writeLeftOut(json, leftOut);
    json.endObject();
    return json.text();
}

}  // namespace quarvo
