#pragma once
// The 32-bit DOS date-time form in which the tallies read file times: the
// date in the high 16 bits (years since 1980, month, day), the time in the
// low 16 bits (hour, minute, seconds / 2). The value 0 means "not recorded".

#include <array>
#include <cstddef>
#include <cstdint>

namespace quarvo {

// A calendar date and a time of day.
struct DosDateTime {
    int year = 1980;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// 1 January 1980 00:00:00, the earliest time the form can hold.
inline constexpr std::uint32_t kDosMinimum = 0x00210000;
// 31 December 2107 23:59:58, the latest.
inline constexpr std::uint32_t kDosMaximum = 0xFF9FBF7D;

// Days from 1 January 1970 to the given date of the proleptic Gregorian calendar.
constexpr std::int64_t daysFromCivil(std::int64_t year, int month, int day) {
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

inline constexpr std::int64_t kSecondsPerDay = 86400;

// The days the form can hold: from 1 January 1980 up to, not including,
// 1 January 2108.
inline constexpr std::int64_t kFirstDosDay = daysFromCivil(1980, 1, 1);
inline constexpr std::int64_t kEndOfDosDays = daysFromCivil(2108, 1, 1);

// The day that a count of seconds from 1 January 1970 falls on, counted
// from that day; earlier seconds fall on negative days.
constexpr std::int64_t dayOfSeconds(std::int64_t seconds) {
    return seconds >= 0 ? seconds / kSecondsPerDay : -1 - (-(seconds + 1)) / kSecondsPerDay;
}

// Local seconds (counted from 1 January 1970 00:00 local time) in DOS form;
// times before 1980 give kDosMinimum, times after 2107 kDosMaximum.
[[nodiscard]] std::uint32_t encodeDosDateTime(std::int64_t localSeconds);

// The fields of a non-zero DOS value; fields that don't form a valid date and
// time give 1 January 1980 00:00:00 instead.
[[nodiscard]] DosDateTime decodeDosDateTime(std::uint32_t dos);

// The whole-day number of a date-time: days from 1 January 1970.
[[nodiscard]] std::int64_t dayNumber(const DosDateTime& when);

// The day from 1 January 1980 of every DOS date (the high half of the form),
// or kNoDosDay for a value that is no date.
inline constexpr std::uint16_t kNoDosDay = 0xFFFF;
extern const std::array<std::uint16_t, std::size_t{1} << 16> kDosDaysOfDates;

// The whole-day number and the half-hour (0 to 47) of a DOS value, read in
// one go: the tallies age each of the three times of every file they count
// and place it in the day.
struct DosDayAndSlot {
    std::int64_t day = 0;
    int slot = 0;
};

// dayNumber and the half-hour of decodeDosDateTime(dos).
[[nodiscard]] inline DosDayAndSlot dosDayAndSlot(std::uint32_t dos) {
    const std::uint16_t day = kDosDaysOfDates[dos >> 16];
    const std::uint32_t hour = dos >> 11 & 0x1F;
    const std::uint32_t minute = dos >> 5 & 0x3F;
    // Tested all at once, without a branch for each field.
    const bool valid = (day != kNoDosDay) & (hour <= 23) & (minute <= 59) & ((dos & 0x1F) <= 29);
    if (!valid) return {kFirstDosDay, 0};
    return {kFirstDosDay + day, static_cast<int>(2 * hour + (minute >= 30 ? 1 : 0))};
}

}  // namespace quarvo
