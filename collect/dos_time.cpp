#include "collect/dos_time.h"

#include <climits>
#include <vector>

namespace quarvo {
namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValid(const DosDateTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= daysInMonth(t.year, t.month) &&
           t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

// The calendar date of a day counted from 1 January 1970.
DosDateTime civilFromDays(std::int64_t days) {
    days += 719468;
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    DosDateTime date;
    date.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    date.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
    return date;
}

constexpr std::int32_t kNoDate = INT32_MIN;

// The day number of every date that the high half of the form can hold, or
// kNoDate: the tallies age three dates of every file they count.
const std::vector<std::int32_t>& daysOfDates() {
    static const std::vector<std::int32_t> days = [] {
        std::vector<std::int32_t> table(std::size_t{1} << 16, kNoDate);
        for (std::uint32_t date = 0; date < table.size(); ++date) {
            const DosDateTime t{1980 + static_cast<int>(date >> 9),
                                static_cast<int>(date >> 5 & 0x0F), static_cast<int>(date & 0x1F)};
            if (isValid(t)) table[date] = static_cast<std::int32_t>(dayNumber(t));
        }
        return table;
    }();
    return days;
}

bool isValidTime(std::uint32_t dos) {
    return (dos >> 11 & 0x1F) <= 23 && (dos >> 5 & 0x3F) <= 59 && (dos & 0x1F) <= 29;
}

}  // namespace

std::uint32_t encodeDosDateTime(std::int64_t localSeconds) {
    std::int64_t days = localSeconds / kSecondsPerDay;
    std::int64_t secondOfDay = localSeconds % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    const DosDateTime date = civilFromDays(days);
    if (date.year < 1980) return kDosMinimum;
    if (date.year > 2107) return kDosMaximum;
    const auto hour = static_cast<std::uint32_t>(secondOfDay / 3600);
    const auto minute = static_cast<std::uint32_t>(secondOfDay / 60 % 60);
    const auto second = static_cast<std::uint32_t>(secondOfDay % 60);
    return static_cast<std::uint32_t>(date.year - 1980) << 25 |
           static_cast<std::uint32_t>(date.month) << 21 |
           static_cast<std::uint32_t>(date.day) << 16 | hour << 11 | minute << 5 | second / 2;
}

DosDateTime decodeDosDateTime(std::uint32_t dos) {
    DosDateTime t;
    t.year = 1980 + static_cast<int>(dos >> 25);
    t.month = static_cast<int>(dos >> 21 & 0x0F);
    t.day = static_cast<int>(dos >> 16 & 0x1F);
    t.hour = static_cast<int>(dos >> 11 & 0x1F);
    t.minute = static_cast<int>(dos >> 5 & 0x3F);
    t.second = static_cast<int>(dos & 0x1F) * 2;
    return isValid(t) ? t : DosDateTime{};
}

std::int64_t dayNumber(const DosDateTime& when) {
    return daysFromCivil(when.year, when.month, when.day);
}

bool isValidDosDateTime(std::uint32_t dos) {
    return isValidTime(dos) && daysOfDates()[dos >> 16] != kNoDate;
}

std::int64_t dosDayNumber(std::uint32_t dos) {
    const std::int32_t day = daysOfDates()[dos >> 16];
    return day != kNoDate && isValidTime(dos) ? day : daysFromCivil(1980, 1, 1);
}

}  // namespace quarvo
