#include "collect/dos_time.h"

#include <gtest/gtest.h>

#include <ctime>

#include "collect/dos_time_converter.h"
#include "collect/local_time.h"
#include "collect/zone_offset_cache.h"
#include "tests/collect/zone_override.h"

namespace quarvo {
namespace {

std::int64_t secondsAt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return daysFromCivil(y, mo, d) * 86400 + h * 3600 + mi * 60 + s;
}

TEST(DosDateTime, EncodesFieldsAndDecodesThemBack) {
    const std::uint32_t dos = encodeDosDateTime(secondsAt(2024, 2, 29, 23, 59, 59));
    EXPECT_EQ(dos >> 16, (44u << 9) | (2u << 5) | 29u);
    const DosDateTime t = decodeDosDateTime(dos);
    EXPECT_EQ(t.year, 2024);
    EXPECT_EQ(t.month, 2);
    EXPECT_EQ(t.day, 29);
    EXPECT_EQ(t.hour, 23);
    EXPECT_EQ(t.minute, 59);
    EXPECT_EQ(t.second, 58);  // two-second steps

    // Every second of a day lands on its own hour and minute.
    for (int second = 0; second < 86400; ++second) {
        const DosDateTime at = decodeDosDateTime(encodeDosDateTime(secondsAt(2001, 7, 1) + second));
        ASSERT_EQ(at.hour * 3600 + at.minute * 60 + at.second, second / 2 * 2) << second;
        ASSERT_EQ(at.day, 1) << second;
    }
}

TEST(DosDateTime, ClampsToTheRangeOfTheForm) {
    EXPECT_EQ(encodeDosDateTime(secondsAt(1979, 12, 31, 23, 59, 59)), kDosMinimum);
    EXPECT_EQ(encodeDosDateTime(-1), kDosMinimum);
    EXPECT_EQ(encodeDosDateTime(secondsAt(1980, 1, 1)), kDosMinimum);
    EXPECT_EQ(encodeDosDateTime(secondsAt(2107, 12, 31, 23, 59, 59)), kDosMaximum);
    EXPECT_EQ(encodeDosDateTime(secondsAt(2108, 1, 1)), kDosMaximum);
    const DosDateTime max = decodeDosDateTime(kDosMaximum);
    EXPECT_EQ(max.year, 2107);
    EXPECT_EQ(max.second, 58);
}

TEST(DosDateTime, FieldsThatFormNoDateFallBackTo1980) {
    const std::uint32_t validDay = (10u << 25) | (3u << 21) | (15u << 16);
    for (std::uint32_t dos : {(10u << 25) | (0u << 21) | (15u << 16),   // month 0
                              (10u << 25) | (13u << 21) | (15u << 16),  // month 13
                              (11u << 25) | (2u << 21) | (29u << 16),   // 29 Feb 1991
                              (10u << 25) | (3u << 21),                 // day 0
                              validDay | (24u << 11),                   // hour 24
                              validDay | (60u << 5),                    // minute 60
                              validDay | 30u}) {                        // second 60
        const DosDateTime t = decodeDosDateTime(dos);
        EXPECT_EQ(dayNumber(t), daysFromCivil(1980, 1, 1)) << std::hex << dos;
        EXPECT_EQ(t.hour + t.minute + t.second, 0) << std::hex << dos;
        EXPECT_EQ(dosDayAndSlot(dos).day, daysFromCivil(1980, 1, 1)) << std::hex << dos;
    }
    EXPECT_EQ(decodeDosDateTime((12u << 25) | (2u << 21) | (29u << 16)).day, 29);  // 1992 leaps

    // The quick day and half-hour agree with the decoded date and time for
    // every date the form holds, at valid and invalid times of day.
    for (std::uint32_t date = 0; date < 0x10000; ++date) {
        for (const std::uint32_t time : {0u, 0xBF7Du, 24u << 11, 60u << 5, 30u}) {
            const std::uint32_t dos = date << 16 | time;
            const DosDateTime decoded = decodeDosDateTime(dos);
            const DosDayAndSlot quick = dosDayAndSlot(dos);
            ASSERT_EQ(quick.day, dayNumber(decoded)) << std::hex << dos;
            ASSERT_EQ(quick.slot, 2 * decoded.hour + decoded.minute / 30) << std::hex << dos;
        }
    }
}

TEST(LocalTime, ConverterAppliesTheRulesInForceAtEachTime) {
    ZoneOverride zone;
    if (!zone.use("CET-1CEST,M3.5.0,M10.5.0/3")) GTEST_SKIP() << "no dated zone rules here";
    DosTimeConverter converter;
    EXPECT_EQ(converter.toDos(std::nullopt), 0u);
    EXPECT_EQ(converter.toDos(secondsAt(2021, 7, 1, 12)),
              encodeDosDateTime(secondsAt(2021, 7, 1, 14)));
    EXPECT_EQ(converter.toDos(secondsAt(2021, 1, 1, 12)),
              encodeDosDateTime(secondsAt(2021, 1, 1, 13)));
    // Summer time begins at 01:00 UTC on 28 March 2021.
    EXPECT_EQ(converter.toDos(secondsAt(2021, 3, 28, 0, 59, 58)),
              encodeDosDateTime(secondsAt(2021, 3, 28, 1, 59, 58)));
    EXPECT_EQ(converter.toDos(secondsAt(2021, 3, 28, 1)),
              encodeDosDateTime(secondsAt(2021, 3, 28, 3)));
    EXPECT_EQ(converter.toDos(0), kDosMinimum);
    EXPECT_EQ(converter.toDos(secondsAt(1979, 12, 31, 22, 30)), kDosMinimum);  // 23:30 local
    EXPECT_EQ(converter.toDos(secondsAt(1979, 12, 31, 23, 30)),
              encodeDosDateTime(secondsAt(1980, 1, 1, 0, 30)));
    EXPECT_EQ(converter.toDos(secondsAt(2500, 1, 1)), kDosMaximum);
}

TEST(LocalTime, CachedOffsetsAgreeWithThePlatformEverywhere) {
    ZoneOverride zone;
    // Rules that changed over the years; where zone names are unknown, a zone
    // with summer time on the C runtime's own dates.
    ASSERT_TRUE(zone.use("America/Sao_Paulo") || zone.use("BRT3BRST"));
    ZoneOffsetCache cache;
    // Times in no particular order, so that spans are found on either side,
    // and a second time on many of their days, some of which change offset.
    for (std::int64_t i = 0; i < 8000; ++i) {
        const std::int64_t t =
            secondsAt(1985, 1, 1) + (i / 2 * 7919 % 4000) * 100003 + i % 2 * 40000;
        std::tm local{};
        ASSERT_TRUE(localCalendar(t, local));
        const std::int64_t expected =
            secondsAt(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour,
                      local.tm_min, local.tm_sec) -
            t;
        ASSERT_EQ(cache.offsetAt(t), expected) << t;
        const std::int64_t last = cache.lastOfOffsetAt(t);
        ASSERT_GE(last, t);
        ASSERT_EQ(cache.offsetAt(last), expected) << t;
    }
}

TEST(LocalTime, TodayIsTheLocalDateAlsoFarFromUtc) {
    for (const char* rules : {"XST-14", "YST12"}) {
        ZoneOverride zone;
        ASSERT_TRUE(zone.use(rules));
        DosTimeConverter converter;
        const std::int64_t first = converter.localDayNow();
        std::tm local{};
        ASSERT_TRUE(localCalendar(std::time(nullptr), local));
        const std::int64_t today =
            daysFromCivil(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
        EXPECT_EQ(first, today) << rules;
        EXPECT_EQ(converter.localDayNow(), today) << rules;  // as remembered
    }
}

}  // namespace
}  // namespace quarvo
