#include "collect/dos_time.h"

#include <array>

namespace quarvo {
namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValid(const DosDateTime& t) {
    return t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= daysInMonth(t.year, t.month) &&
           t.hour <= 23 && t.minute <= 59 && t.second <= 59;
}

constexpr std::size_t kDosDays = kEndOfDosDays - kFirstDosDay;

// The DOS date (the high half of the form) of each day from 1 January 1980
// on: a scan converts three times of every file.
std::array<std::uint16_t, kDosDays> makeDatesOfDays() {
    std::array<std::uint16_t, kDosDays> dates{};
    std::size_t day = 0;
    for (int year = 1980; year <= 2107; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int dayOfMonth = 1; dayOfMonth <= daysInMonth(year, month); ++dayOfMonth) {
                dates[day++] =
                    static_cast<std::uint16_t>((year - 1980) << 9 | month << 5 | dayOfMonth);
            }
        }
    }
    return dates;
}

// Both tables are made as the program loads, before anything converts a time,
// in the order they stand here.
const std::array<std::uint16_t, kDosDays> kDatesOfDays = makeDatesOfDays();

std::array<std::uint16_t, std::size_t{1} << 16> makeDaysOfDates() {
    std::array<std::uint16_t, std::size_t{1} << 16> days{};
    days.fill(kNoDosDay);
    for (std::size_t day = 0; day < kDatesOfDays.size(); ++day) {
        days[kDatesOfDays[day]] = static_cast<std::uint16_t>(day);
    }
    return days;
}

}  // namespace

const std::array<std::uint16_t, std::size_t{1} << 16> kDosDaysOfDates = makeDaysOfDates();

// Counted from 1980 on, the seconds are never negative: plain unsigned
// division splits them.
std::uint32_t encodeDosDateTime(std::int64_t localSeconds) {
    constexpr std::int64_t kFirst = kFirstDosDay * kSecondsPerDay;
    if (localSeconds < kFirst) return kDosMinimum;
    const auto since = static_cast<std::uint64_t>(localSeconds - kFirst);
    const std::uint64_t day = since / kSecondsPerDay;
    if (day >= kDosDays) return kDosMaximum;
    const auto second = static_cast<std::uint32_t>(since - day * kSecondsPerDay);
    const std::uint32_t minutes = second / 60;
    const std::uint32_t hour = minutes / 60;
    return std::uint32_t{kDatesOfDays[day]} << 16 | hour << 11 | (minutes - hour * 60) << 5 |
           (second - minutes * 60) / 2;
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

}  // namespace quarvo
