#include "listings/saved_run.h"

#include <algorithm>

#include "text/ascii_case.h"
#include "text/json_value.h"

namespace quarvo {
namespace {

// Reads the figures out of the parsed object; the first member that is
// missing or of the wrong kind names the damage, and the rest is skipped.
class FigureReader {
public:
    std::string problem;

    const JsonValue* member(const JsonValue& object, const std::string& name,
                            JsonValue::Kind kind) {
        const JsonValue* value = object.member(name);
        if (value && value->kind() == kind) return value;
        if (problem.empty()) problem = "\"" + name + "\" is missing or damaged";
        return nullptr;
    }
    double count(const JsonValue& object, const std::string& name) {
        const JsonValue* value = member(object, name, JsonValue::Kind::number);
        return value ? value->number() : 0;
    }
    std::int64_t bytes(const JsonValue& object, const std::string& name) {
        const JsonValue* value = member(object, name, JsonValue::Kind::number);
        if (value && !value->isInteger() && problem.empty())
            problem = "\"" + name + "\" is no whole number";
        return value ? value->integer() : 0;
    }
    // The rows of a listing, which must be exactly as many as it has.
    const std::vector<JsonValue>* rows(const JsonValue& object, const std::string& name,
                                       std::size_t expected) {
        const JsonValue* array = member(object, name, JsonValue::Kind::array);
        if (!array) return nullptr;
        if (array->items().size() == expected) return &array->items();
        if (problem.empty()) problem = "\"" + name + "\" has the wrong number of rows";
        return nullptr;
    }
};

void readTypes(FigureReader& reader, const JsonValue& report, RunFigures& figures) {
    const JsonValue* types = reader.member(report, "types", JsonValue::Kind::array);
    if (!types) return;
    for (const JsonValue& row : types->items()) {
        const JsonValue* key = reader.member(row, "extension", JsonValue::Kind::string);
        if (!key) return;
        figures.types.push_back({key->text(), static_cast<std::int32_t>(reader.count(row, "files")),
                                 reader.bytes(row, "bytes")});
    }
}

void readSizes(FigureReader& reader, const JsonValue& report, Tallies& t) {
    const auto* rows = reader.rows(report, "sizes", kSizeBands);
    if (!rows) return;
    for (int band = 1; band <= kSizeBands; ++band) {
        t.sizeBandCount[band] = reader.count((*rows)[band - 1], "files");
        t.sizeBandBytes[band] = reader.bytes((*rows)[band - 1], "bytes");
    }
}

void readAges(FigureReader& reader, const JsonValue& report, const std::string& name,
              std::array<double, kAgeBuckets>& counts,
              std::array<std::int64_t, kAgeBuckets>& bytes) {
    const auto* rows = reader.rows(report, name, kAgeBuckets);
    if (!rows) return;
    for (int bucket = 0; bucket < kAgeBuckets; ++bucket) {
        counts[bucket] = reader.count((*rows)[bucket], "files");
        bytes[bucket] = reader.bytes((*rows)[bucket], "bytes");
    }
}

void readSlots(FigureReader& reader, const JsonValue& timeOfDay, const std::string& name,
               std::array<double, kHalfHourSlots>& slots) {
    const auto* rows = reader.rows(timeOfDay, name, kHalfHourSlots);
    if (!rows) return;
    for (int slot = 0; slot < kHalfHourSlots; ++slot) slots[slot] = (*rows)[slot].number();
}

void readAttributes(FigureReader& reader, const JsonValue& report, Tallies& t) {
    const JsonValue* attributes = reader.member(report, "attributes", JsonValue::Kind::object);
    if (!attributes) return;
    const auto read = [&](const char* name, std::int32_t& count, std::int64_t& bytes) {
        if (const JsonValue* row = reader.member(*attributes, name, JsonValue::Kind::object)) {
            count = static_cast<std::int32_t>(reader.count(*row, "files"));
            bytes = reader.bytes(*row, "bytes");
        }
    };
    read("readOnly", t.readOnlyCount, t.readOnlyBytes);
    read("hidden", t.hiddenCount, t.hiddenBytes);
    read("system", t.systemCount, t.systemBytes);
    read("archive", t.archiveCount, t.archiveBytes);
}

void readOverhang(FigureReader& reader, const JsonValue& overhang, Tallies& t) {
    t.overhang4K = reader.bytes(overhang, "4K");
    t.overhang8K = reader.bytes(overhang, "8K");
    t.overhang16K = reader.bytes(overhang, "16K");
    t.overhang32K = reader.bytes(overhang, "32K");
    t.overhang64K = reader.bytes(overhang, "64K");
    t.overhangActual = reader.bytes(overhang, "actual");
}

RunFigures readFigures(FigureReader& reader, const JsonValue& report) {
    RunFigures figures;
    Tallies& t = figures.tallies;
    t.filesProcessed = static_cast<std::int32_t>(reader.count(report, "filesProcessed"));
    t.filesSelected = static_cast<std::int32_t>(reader.count(report, "filesSelected"));
    figures.clusterSize = static_cast<std::int32_t>(reader.count(report, "clusterSize"));
    readTypes(reader, report, figures);
    readSizes(reader, report, t);
    readAges(reader, report, "accessed", t.accessedAgeCount, t.accessedAgeBytes);
    readAges(reader, report, "created", t.createdAgeCount, t.createdAgeBytes);
    readAges(reader, report, "modified", t.modifiedAgeCount, t.modifiedAgeBytes);
    if (const JsonValue* timeOfDay = reader.member(report, "timeOfDay", JsonValue::Kind::object)) {
        readSlots(reader, *timeOfDay, "modified", t.modifiedSlotCount);
        readSlots(reader, *timeOfDay, "created", t.createdSlotCount);
        readSlots(reader, *timeOfDay, "accessed", t.accessedSlotCount);
    }
    readAttributes(reader, report, t);
    if (const JsonValue* overhang = report.member("overhang")) {
        figures.withOverhang = true;
        readOverhang(reader, *overhang, t);
    }
    return figures;
}

SavedRunInfo readInfo(FigureReader& reader, const JsonValue& run) {
    SavedRunInfo info;
    const JsonValue* version = run.member("schemaVersion");
    info.schemaVersion = version && version->isInteger() ? static_cast<int>(version->integer()) : 0;
    if (!version) return info;  // a report's output
    if (const JsonValue* time = reader.member(run, "time", JsonValue::Kind::string))
        info.time = time->text();
    if (const JsonValue* rule = reader.member(run, "rule", JsonValue::Kind::string))
        info.rule = rule->text();
    if (const JsonValue* targets = reader.member(run, "targets", JsonValue::Kind::array)) {
        for (const JsonValue& target : targets->items()) info.targets.push_back(target.text());
    }
    return info;
}

}  // namespace

std::string targetName(const ScanTarget& target) {
    if (target.folder) return target.entry;
    return asciiLower(target.entry.substr(0, 1)) + ":";
}

std::string ruleText(const FileRule& rule) {
    if (rule.allFileTypes) return "All files";
    std::string patterns;
    for (const std::string& entry : rule.ruleList())
        patterns += (patterns.empty() ? "" : ", ") + entry.substr(0, entry.find('\t'));
    return (rule.selectIfListed ? "Only " : "All but ") + patterns;
}

void writeRunInfo(JsonWriter& json, const SavedRunInfo& info) {
    json.key("time");
    json.value(info.time);
    json.key("targets");
    json.beginArray();
    for (const std::string& target : info.targets) json.value(target);
    json.endArray();
    json.key("rule");
    json.value(info.rule);
}

std::string savedRunJson(const SavedRunInfo& info, const ReportFigures& figures) {
    JsonWriter json;
    json.beginObject();
    json.key("schemaVersion");
    json.value(std::int64_t{info.schemaVersion});
    writeRunInfo(json, info);
    writeReportMembers(json, figures);
    json.endObject();
    return json.text();
}

SavedRunReading readSavedRun(std::string_view text) {
    std::string error;
    const std::optional<JsonValue> parsed = JsonValue::parse(text, error);
    if (!parsed) return {std::nullopt, "it is damaged or cut short (" + error + ")"};
    if (!parsed->isObject() || (!parsed->member("schemaVersion") && !parsed->member("types")))
        return {std::nullopt, "it holds no scan of Quarvo's"};
    FigureReader reader;
    SavedRun run{readInfo(reader, *parsed), {}};
    if (parsed->member("schemaVersion") && run.info.schemaVersion != kSavedRunSchema) {
        return {std::nullopt, "it was saved in another format (version " +
                                  std::to_string(run.info.schemaVersion) + ", this Quarvo reads " +
                                  std::to_string(kSavedRunSchema) + ")"};
    }
    run.figures = readFigures(reader, *parsed);
    if (!reader.problem.empty()) return {std::nullopt, "it is damaged: " + reader.problem};
    return {std::move(run), {}};
}

std::string targetsProblem(const SavedRunInfo& info, const std::vector<std::string>& targets) {
    if (info.schemaVersion == 0) return {};
    std::vector<std::string> saved = info.targets;
    std::vector<std::string> now = targets;
    std::sort(saved.begin(), saved.end());
    std::sort(now.begin(), now.end());
    if (saved == now) return {};
    std::string names;
    for (const std::string& target : info.targets) names += (names.empty() ? "" : ", ") + target;
    return "it is a scan of other targets (" + names + ")";
}

}  // namespace quarvo
