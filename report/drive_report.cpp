#include "report/drive_report.h"

#include <vector>

#include "listings/page_listings.h"
#include "report/text_report.h"
#include "system/drive_list.h"
#include "system/drive_space.h"
#include "text/json_writer.h"
#include "text/number_text.h"

namespace quarvo {
namespace {

struct DriveFigures {
    std::string entry;
    bool ready = false;
    DriveSize size;
};

std::vector<DriveFigures> driveFigures(VolumeApi& volumes) {
    StringSelectionList list;
    buildDriveList(volumes, list, false);
    std::vector<DriveFigures> drives;
    for (const std::string& entry : list.entries()) {
        DriveFigures drive;
        drive.entry = entry;
        drive.ready = !entry.empty() && driveReady(volumes, entry[0]);
        if (drive.ready) drive.size = driveSpace(volumes, driveRoot(entry[0]));
        drives.push_back(drive);
    }
    return drives;
}

}  // namespace

std::string drivesText(VolumeApi& volumes, const NumberFormat& format) {
    ListingRows rows = {{"Drive", "Total", "Free", "Used"}};
    for (const DriveFigures& d : driveFigures(volumes)) {
        if (!d.ready) {
            rows.push_back({d.entry, "not ready", "", ""});
            continue;
        }
        rows.push_back({d.entry, floatToThousands(d.size.totalBytes, format),
                        floatToThousands(d.size.freeBytes, format),
                        floatToThousands(d.size.totalBytes - d.size.freeBytes, format)});
    }
    return tableText(rows, 1);
}

std::string drivesJson(VolumeApi& volumes) {
    JsonWriter json;
    json.beginObject();
    json.key("drives");
    json.beginArray();
    for (const DriveFigures& d : driveFigures(volumes)) {
        json.beginObject();
        json.key("entry");
        json.value(d.entry);
        json.key("ready");
        json.boolean(d.ready);
        for (const auto& [name, bytes] :
             {std::pair{"total", d.size.totalBytes}, std::pair{"free", d.size.freeBytes},
              std::pair{"used", d.size.totalBytes - d.size.freeBytes}}) {
            json.key(name);
            json.value(bytes);
        }
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace quarvo
