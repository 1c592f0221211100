#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

#include "solver/file_names.hpp"
#include "solver/run_clock.hpp"

namespace quelm {
namespace {

TEST(FileNames, ExtensionOfTheLastComponentIsReplaced) {
    EXPECT_EQ(outputBaseName("C:\\runs\\case1.inp"), "C:\\runs\\case1");
    EXPECT_EQ(outputBaseName("case.b.inp"), "case.b");
    EXPECT_EQ(outputBaseName("ring.in"), "ring");
    // No extension: the names are appended, not made from the leading dots.
    EXPECT_EQ(outputBaseName("../data/case1"), "../data/case1");
    EXPECT_EQ(outputBaseName("..\\data\\case1"), "..\\data\\case1");
    EXPECT_EQ(outputBaseName("runs.d/case1"), "runs.d/case1");
    EXPECT_EQ(outputBaseName("case1"), "case1");
    EXPECT_EQ(outputBaseName("dir/.hidden"), "dir/.hidden");
}

TEST(FileNames, ListingAndPlotNamesAndRunMessage) {
    std::ostringstream console;
    std::string listing, plot;
    ASFILE("/tmp/x/ring.in", listing, plot, console);
    EXPECT_EQ(listing, "/tmp/x/ring.out");
    EXPECT_EQ(plot, "/tmp/x/ring.vpt");
    EXPECT_EQ(console.str(), " > QUELM IS NOW RUNNING. PLEASE WAIT...\n");
}

TEST(RunClock, DateIsBlankPaddedAndTimeZeroPadded) {
    std::tm may{};
    may.tm_mday = 14;
    may.tm_mon = 4;
    may.tm_year = 126;
    may.tm_hour = 7;
    may.tm_min = 5;
    may.tm_sec = 9;
    EXPECT_EQ(runDateText(may), "14/ 5/26");
    EXPECT_EQ(runClockText(may), "07:05:09");
    std::tm december{};
    december.tm_mday = 6;
    december.tm_mon = 11;
    december.tm_year = 126;
    EXPECT_EQ(runDateText(december), " 6/12/26");
}

TEST(RunClock, SourceDateEpochFixesTheStamp) {
    ::setenv("TZ", "UTC", 1);
    const auto moment = sourceDateEpoch("1780000000");  // 2026-05-28 20:26:40 UTC
    ASSERT_TRUE(moment.has_value());
    std::string date, time;
    DATIMH(date, time, *moment);
    EXPECT_EQ(date, "28/ 5/26");
    EXPECT_EQ(time, "20:26:40");
    for (const char* bad : {"not a number", "-5", "12x", ""}) EXPECT_FALSE(sourceDateEpoch(bad)) << bad;
    EXPECT_FALSE(sourceDateEpoch(nullptr));
}

TEST(RunClock, ModeThreeCountsFromProcessStartNotFromTheLap) {
    CpuClock clock;
    double t = -1.0;
    volatile double sink = 0.0;
    for (int i = 0; i < 20'000'000; ++i) sink = sink + i * 1e-9;
    CPUTIM(t, 1, clock);
    EXPECT_EQ(t, -1.0);  // mode 1 only resets
    double total = 0.0, lap = 0.0;
    CPUTIM(total, 3, clock);
    CPUTIM(lap, 2, clock);
    EXPECT_GT(total, 0.0);
    EXPECT_GE(lap, total);  // the lap mark was reset to 0, so the first lap is the whole time
    double second = -1.0;
    CPUTIM(second, 2, clock);
    EXPECT_GE(second, 0.0);
    EXPECT_LT(second, lap);
}

}  // namespace
}  // namespace quelm
