// The click: its shape for each setting, its exact accumulators and the
// bytes it packs into.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "support.h"
#include "synth/synth.h"

namespace {

std::vector<int64_t> synthesise(uint32_t rate, float Hz, std::string* printed = nullptr)
{
    testing::internal::CaptureStdout();
    ClickShape shape = click_shape(rate, Hz);
    std::vector<int64_t> samples(static_cast<size_t>(shape.clickLength), -99);
    GEN_CLICK(samples.data(), static_cast<int32_t>(Hz), shape.periodCount, shape.harmonicCount,
              rate, shape.clickLength);
    std::string out = testing::internal::GetCapturedStdout();
    if (printed) *printed = out;
    return samples;
}

std::string bytes24(int64_t v)
{
    int8_t b[3];
    NUM24_TO_CHAR(&v, b, 1);
    return std::string(reinterpret_cast<char*>(b), 3);
}

std::string bytes16(int64_t v)
{
    int8_t b[2];
    NUM24_TO_CHAR16(&v, b, 1);
    return std::string(reinterpret_cast<char*>(b), 2);
}

}  // namespace

TEST(Click, DefaultClickHasItsExactAccumulators)
{
    ClickShape shape = click_shape(44100, 60.0f);
    EXPECT_EQ(shape.basePeriod, 735);
    EXPECT_EQ(shape.harmonicCount, 8);
    EXPECT_EQ(shape.periodCount, 3);
    EXPECT_EQ(shape.clickLength, 2205);

    std::string printed;
    std::vector<int64_t> s = synthesise(44100, 60.0f, &printed);
    EXPECT_EQ(printed, "\n");
    ASSERT_EQ(s.size(), 2205u);
    EXPECT_EQ(std::vector<int64_t>(s.begin(), s.begin() + 6),
              (std::vector<int64_t>{0, 105448, 210811, 316004, 420940, 525536}));
    auto max = std::max_element(s.begin(), s.end());
    EXPECT_EQ(*max, 4195988);
    EXPECT_EQ(max - s.begin(), 74);
    EXPECT_EQ(*std::min_element(s.begin(), s.end()), -3408947);
}

TEST(Click, HighFrequenciesLoseHarmonics)
{
    ClickShape s200 = click_shape(44100, 200.0f);
    EXPECT_EQ(s200.harmonicCount, 7);
    EXPECT_EQ(s200.basePeriod, 220);
    EXPECT_EQ(s200.clickLength, 660);
    ClickShape s500 = click_shape(44100, 500.0f);
    EXPECT_EQ(s500.harmonicCount, 6);
    EXPECT_EQ(s500.basePeriod, 88);
    EXPECT_EQ(s500.clickLength, 264);
    ClickShape s5000 = click_shape(44100, 5000.0f);
    EXPECT_EQ(s5000.harmonicCount, 3);
    EXPECT_EQ(s5000.clickLength, 24);
    EXPECT_EQ(click_shape(44100, 172.2734f).harmonicCount, 8);
    EXPECT_EQ(click_shape(44100, 172.28f).harmonicCount, 7);
}

TEST(Click, FrequencyAboveHalfTheRateGivesSilentSamples)
{
    ClickShape shape = click_shape(44100, 30000.0f);
    EXPECT_EQ(shape.harmonicCount, 0);
    EXPECT_EQ(shape.basePeriod, 1);
    EXPECT_EQ(shape.clickLength, 3);
    EXPECT_EQ(synthesise(44100, 30000.0f), (std::vector<int64_t>{0, 0, 0}));
}

TEST(Click, LowFrequenciesLosePeriodsAndOneHertzEmptiesTheClick)
{
    std::string printed;
    ClickShape two = click_shape(44100, 2.0f);
    EXPECT_EQ(two.basePeriod, 22050);
    EXPECT_EQ(two.periodCount, 1);
    EXPECT_EQ(two.clickLength, 22050);

    testing::internal::CaptureStdout();
    ClickShape one = click_shape(44100, 1.0f);
    printed = testing::internal::GetCapturedStdout();
    EXPECT_EQ(one.periodCount, 0);
    EXPECT_EQ(one.clickLength, 0);
    EXPECT_EQ(printed, "The frequency chosen is too low for this tempo!\n");
    EXPECT_TRUE(synthesise(44100, 1.0f).empty());
}

TEST(Click, ShapeDependsOnlyOnTheCurrentFrequency)
{
    // Earlier frequencies leave nothing behind: after 1 Hz and 200 Hz the
    // default click comes back whole.
    testing::internal::CaptureStdout();
    std::vector<int8_t> fresh = build_click(44100, 60.0f, 24);
    build_click(44100, 1.0f, 24);
    build_click(44100, 200.0f, 24);
    std::vector<int8_t> again = build_click(44100, 60.0f, 24);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(fresh.size(), 6615u);
    EXPECT_EQ(again, fresh);
}

TEST(Click, FractionalFrequencyStaysInsideTheClick)
{
    // The harmonics of the whole-number part run longer than the click of
    // the fractional frequency; they are cut at the click's end.
    EXPECT_EQ(click_shape(44100, 60.5f).clickLength, 2184);
    std::vector<int64_t> s = synthesise(44100, 60.5f);
    std::vector<int64_t> whole = synthesise(44100, 60.0f);
    ASSERT_EQ(s.size(), 2184u);
    EXPECT_TRUE(std::equal(s.begin(), s.end(), whole.begin()));
    EXPECT_EQ(s[0], 0);  // the buffer's -99 filler is overwritten
}

TEST(Click, UnusableFrequenciesAndRatesGiveAnEmptyClick)
{
    const float bad[] = {0.0f, -60.0f, std::numeric_limits<float>::quiet_NaN(),
                         std::numeric_limits<float>::infinity(),
                         -std::numeric_limits<float>::infinity(), 1e-30f};
    testing::internal::CaptureStdout();
    for (float Hz : bad) {
        EXPECT_EQ(click_shape(44100, Hz).clickLength, 0) << Hz;
        EXPECT_TRUE(build_click(44100, Hz, 24).empty()) << Hz;
    }
    EXPECT_EQ(click_shape(0, 60.0f).clickLength, 0);
    EXPECT_TRUE(build_click(0, 60.0f, 16).empty());
    EXPECT_EQ(click_shape(44100, 3e38f).harmonicCount <= 0, true);
    testing::internal::GetCapturedStdout();
}

TEST(Packing, AccumulatorsPackIntoLittleEndianBytes)
{
    struct Row {
        int64_t v;
        const char* b24;
        const char* b16;
    };
    const Row rows[] = {
        {0, "00 00 00", "00 00"},          {1, "01 00 00", "00 00"},
        {255, "ff 00 00", "00 00"},        {256, "00 01 00", "01 00"},
        {32767, "ff 7f 00", "7f 00"},      {65535, "ff ff 00", "ff 00"},
        {65536, "00 00 01", "00 01"},      {6266880, "00 a0 5f", "a0 5f"},
        {8388607, "ff ff 7f", "ff 7f"},    {-1, "ff ff ff", "ff ff"},
        {-2, "fe ff ff", "ff ff"},         {-256, "00 ff ff", "ff ff"},
        {-257, "ff fe ff", "fe ff"},       {-32768, "00 80 ff", "80 ff"},
        {-65536, "00 00 ff", "00 ff"},     {-6266880, "00 60 a0", "60 a0"},
        {-8388608, "00 00 80", "00 80"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(hex(bytes24(r.v)), r.b24) << r.v;
        EXPECT_EQ(hex(bytes16(r.v)), r.b16) << r.v;
    }
}

TEST(Packing, NegativeAccumulatorsAreConsumedAndEmptyCountsWriteNothing)
{
    std::vector<int64_t> v = {-1, -256, -6266880, 5};
    std::vector<int8_t> out(12);
    NUM24_TO_CHAR(v.data(), out.data(), 4);
    EXPECT_EQ(v, (std::vector<int64_t>{0, 255, 6266879, 5}));

    std::vector<int64_t> w = {-7};
    int8_t sentinel[3] = {0x11, 0x22, 0x33};
    NUM24_TO_CHAR(w.data(), sentinel, 0);
    NUM24_TO_CHAR16(w.data(), sentinel, -1);
    EXPECT_EQ(w[0], -7);
    EXPECT_EQ(sentinel[0], 0x11);
}

TEST(Packing, SixteenBitClickIsTheTwentyFourBitClickShiftedDown)
{
    testing::internal::CaptureStdout();
    std::vector<int8_t> c24 = build_click(44100, 60.0f, 24);
    std::vector<int8_t> c16 = build_click(44100, 60.0f, 16);
    testing::internal::GetCapturedStdout();
    ASSERT_EQ(c24.size(), 6615u);
    ASSERT_EQ(c16.size(), 4410u);
    for (size_t n = 0; n < 2205; n++) {
        int32_t v = static_cast<uint8_t>(c24[3 * n]) | static_cast<uint8_t>(c24[3 * n + 1]) << 8 |
                    static_cast<int8_t>(c24[3 * n + 2]) * 65536;
        int32_t h = static_cast<uint8_t>(c16[2 * n]) | static_cast<int8_t>(c16[2 * n + 1]) * 256;
        ASSERT_EQ(h, static_cast<int32_t>(std::floor(v / 256.0))) << n;
    }
    EXPECT_EQ(c16[0], 0);
    EXPECT_EQ(c16[1], 0);
}
