#pragma once
// The tallies of a scan and how one file is counted into them. The statistics
// window owns one collector for the life of the program and hands it every
// file that a walk meets; its pages read the tallies afterwards.

#include <cstdint>
#include <functional>
#include <string>

#include "collect/dir_entry.h"
#include "collect/dos_time_converter.h"
#include "collect/file_rule.h"
#include "collect/file_type_table.h"
#include "collect/tallies.h"
#include "system/volume_api.h"

namespace quarvo {

class StatisticsCollector {
public:
    // Gives the current local time in seconds since 1 January 1970 00:00
    // local time; ages of files are measured from it.
    using LocalClock = std::function<std::int64_t()>;
    using StatusSink = std::function<void(const std::string&)>;

    // Without a clock, the system's clock in the local time zone.
    explicit StatisticsCollector(LocalClock clock = {});

    [[nodiscard]] Tallies& tallies() { return tallies_; }
    [[nodiscard]] const Tallies& tallies() const { return tallies_; }
    [[nodiscard]] FileTypeTable& fileTypeTable() { return fileTypeTable_; }
    [[nodiscard]] const FileTypeTable& fileTypeTable() const { return fileTypeTable_; }
    [[nodiscard]] FileRule& rule() { return rule_; }
    [[nodiscard]] const FileRule& rule() const { return rule_; }

    // The "Processing drive ..." text, for the status bar, is made for every
    // third file once it is asked for: kept for statusText(), and handed to
    // the sink if there is one.
    void keepStatusText() { keepsStatusText_ = true; }
    void setStatusSink(StatusSink sink) {
        statusSink_ = std::move(sink);
        keepsStatusText_ = true;
    }
    [[nodiscard]] const std::string& statusText() const { return statusText_; }

    // Bytes per cluster of the drive being scanned; 0 when unknown.
    std::int32_t clusterSize = 0;
    // The chosen-drive entry being scanned, such as "c: [system]".
    std::string currentDrive;
    // Whether the overhang accumulators are counted: only for one-drive runs.
    bool overhangEnabled = false;

    // Counts one file met in the directory dirText. Does not count it in
    // filesProcessed: the walk does that after each file.
    void crunchNumbers(const std::string& dirText, const DirEntry& entry);
    void collectFileAttr(std::uint32_t attributes, std::int64_t size);
    // Days between today and the date of a DOS date-time; -1 when not recorded.
    [[nodiscard]] int ageInDays(std::uint32_t dosTime) const;
    // The age bucket 0 to 9 of an age in days (-1 for not recorded).
    [[nodiscard]] static int ageToIndex(int days);
    // The half-hour slot 0 to 47 of a DOS date-time; -1 when not recorded.
    [[nodiscard]] static int halfHourSlot(std::uint32_t dosTime);
    // The size band 1 to 12 of a file size.
    [[nodiscard]] static int sizeBand(std::int64_t size);
    // Sets clusterSize for the drive of a chosen-drive entry: the unit in
    // which its volume allocates, 0 when the volume cannot be asked.
    void computeClusterSize(VolumeApi& volumes, const std::string& driveEntry);
    // Zeroes every tally and empties the file-type table; the rule and the
    // cluster size stay.
    void clearVariables();

private:
    // One file time as the tallies read it, decoded once for both its age
    // and its half-hour: days before or after today and the half-hour slot,
    // each -1 when the time is not recorded.
    struct FileTime {
        int days = -1;
        int slot = -1;
    };
    struct FileTimes {
        FileTime created;
        FileTime accessed;
        FileTime written;
    };

    void reportProgress(const std::string& dirText);
    // Today's day number, counted from 1 January 1970 in local time.
    [[nodiscard]] std::int64_t currentDay() const;
    [[nodiscard]] static FileTime readTime(std::uint32_t dosTime, std::int64_t today);
    void DropIntoHourSlot(const FileTimes& times);
    void countAge(const FileTime& time, std::int64_t size, std::array<double, kAgeBuckets>& counts,
                  std::array<std::int64_t, kAgeBuckets>& bytes);
    void countOverhang(std::int64_t size);

    Tallies tallies_;
    FileTypeTable fileTypeTable_;
    FileRule rule_;
    bool keepsStatusText_ = false;
    StatusSink statusSink_;
    // The last status text, the drive it names, and where the folder it
    // names begins (0 before the first text).
    std::string statusText_;
    std::string statusDrive_;
    std::size_t statusFolderAt_ = 0;
    LocalClock clock_;
    // Only for the system's clock; the converter caches what it measures.
    mutable DosTimeConverter zone_;
};

}  // namespace quarvo
