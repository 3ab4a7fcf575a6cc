#include <gtest/gtest.h>

#include "BitmapTesting.h"
#include "skin/imaging/Colour.h"
#include "skin/imaging/Gradient.h"

namespace veyra {
namespace {

TEST(Blend, WeightsBelowOneHundredArePercentagesAboveArePerMille) {
    EXPECT_EQ(Blend(kWhite, kBlack, 50), Rgb(128, 128, 128)); // (255 x 50 + 50) / 100
    EXPECT_EQ(Blend(kWhite, kBlack, 150), Rgb(38, 38, 38));   // (255 x 150 + 500) / 1000
    EXPECT_EQ(Blend(Rgb(200, 100, 0), Rgb(0, 100, 200), 0), Rgb(0, 100, 200));
    EXPECT_EQ(Blend(Rgb(200, 100, 0), Rgb(0, 100, 200), 1000), Rgb(200, 100, 0));
    EXPECT_EQ(Blend(Rgb(10, 20, 30), Rgb(30, 20, 10), 99), Rgb(10, 20, 30));
}

TEST(Blend, ResolvesSystemColoursAndKeepsChannelsInRange) {
    SystemColours::ResetToDefaults();
    EXPECT_EQ(Blend(kSystemColourFlag | 15, kBlack, 99), Blend(Rgb(212, 208, 200), kBlack, 99));
    // Weights outside 0..1000 would carry into the next channel; they saturate.
    EXPECT_EQ(Blend(Rgb(200, 0, 0), kBlack, 2000), Rgb(255, 0, 0));
    EXPECT_EQ(Blend(kBlack, Rgb(0, 0, 200), -50), Rgb(0, 0, 255));
    SystemColours::Set(15, Rgb(1, 2, 3));
    EXPECT_EQ(ResolveColour(kSystemColourFlag | 15), Rgb(1, 2, 3));
    EXPECT_EQ(ResolveColour(kSystemColourFlag | 999), kBlack);
    SystemColours::ResetToDefaults();
}

TEST(SaturationMeasure, ScalesTheSpreadOfBrightColours) {
    EXPECT_EQ(SaturationMeasure(Rgb(255, 0, 0)), 255);
    EXPECT_EQ(SaturationMeasure(Rgb(255, 255, 255)), 0);
    EXPECT_EQ(SaturationMeasure(Rgb(200, 100, 150)), 128); // 100 / 200 x 255 = 127.5, rounded up
    EXPECT_EQ(SaturationMeasure(Rgb(160, 150, 150)), 16);  // 10 / 160 x 255 = 15.9
    EXPECT_EQ(SaturationMeasure(Rgb(159, 0, 0)), 200);     // no channel reaches 160
}

TEST(GradientTable, SpreadsEvenlyAndAHeightOfOneIsHalfway) {
    const auto table = BuildGradientTable(5, Rgb(0, 100, 10), Rgb(255, 0, 10));
    ASSERT_EQ(table.size(), 5u);
    EXPECT_EQ(table.front(), Rgb(0, 100, 10));
    EXPECT_EQ(table[1], Rgb(64, 76, 10)); // (2 + 255) / 4 = 64; 100 + (2 - 100) / 4 = 100 - 24
    // A falling channel stops one short: 100 + (2 - 400) / 4 = 1.
    EXPECT_EQ(table.back(), Rgb(255, 1, 10));
    EXPECT_EQ(BuildGradientTable(1, Rgb(0, 0, 0), Rgb(255, 101, 3)),
              std::vector<Colour>{Rgb(127, 50, 1)});
    EXPECT_THROW(BuildGradientTable(0, kBlack, kWhite), EAssertionFailed);
    try {
        BuildGradientTable(-3, kBlack, kWhite);
        ADD_FAILURE();
    } catch (const EAssertionFailed& e) {
        EXPECT_STREQ(e.what(), "Assertion failure");
    }
}

TEST(GradientCache, ReusesTablesAndReplacesSixteenSlotsInTurn) {
    GradientCache cache;
    const std::vector<Colour>* first = &cache.GradientTable(10, kBlack, kWhite);
    EXPECT_EQ(&cache.GradientTable(10, kBlack, kWhite), first);
    EXPECT_EQ(cache.BuildCount(), 1);
    for (int n = 1; n <= 16; ++n)
        if (n != 10)
            cache.GradientTable(n, kBlack, kWhite);
    EXPECT_EQ(cache.BuildCount(), 16);
    cache.GradientTable(10, kBlack, kWhite); // still there
    EXPECT_EQ(cache.BuildCount(), 16);
    cache.GradientTable(20, kBlack, kWhite); // replaces slot 0, the first table
    cache.GradientTable(10, kBlack, kWhite);
    EXPECT_EQ(cache.BuildCount(), 18);
    EXPECT_THROW(cache.GradientTable(0, kBlack, kWhite), EAssertionFailed);
}

TEST(GradientCache, TablesThatOnlyEndAlikeAreNotShared) {
    // Falling gradients can end short of their last colour: 3 colours from
    // 10 down to 7 end at 8, so they start and end like a request for 10 to 8.
    GradientCache cache;
    const std::vector<Colour> down3 = cache.GradientTable(3, Rgb(10, 0, 0), Rgb(7, 0, 0));
    ASSERT_EQ(RedOf(down3.back()), 8);
    const std::vector<Colour> down2 = cache.GradientTable(3, Rgb(10, 0, 0), Rgb(8, 0, 0));
    EXPECT_EQ(down2, BuildGradientTable(3, Rgb(10, 0, 0), Rgb(8, 0, 0)));
    EXPECT_NE(down2, down3);
}

TEST(GradientFill, DrawsOneLinePerColourClippedToTheTarget) {
    GradientCache cache;
    Bitmap target(4, 3, PixelFormat::Rgb24, PixelOf(Rgb(1, 1, 1)));
    GradientFill(target, {1, -1, 3, 3}, kBlack, GradientDirection::Vertical, Rgb(0, 0, 200), cache);
    // Four rows from 0 to 200: 0, 67, 133, 200; the first is above the target.
    for (int y = 0; y < 3; ++y) {
        const Colour expected = Rgb(0, 0, (1 + (y + 1) * 200) / 3);
        EXPECT_EQ(target.At(0, y), PixelOf(Rgb(1, 1, 1)));
        EXPECT_EQ(target.At(1, y), PixelOf(expected)) << y;
        EXPECT_EQ(target.At(2, y), PixelOf(expected)) << y;
        EXPECT_EQ(target.At(3, y), PixelOf(Rgb(1, 1, 1)));
    }
    GradientFill(target, {0, 0, 2, 1}, kWhite, GradientDirection::Horizontal, kBlack, cache);
    EXPECT_EQ(target.At(0, 0), PixelOf(kWhite));
    EXPECT_EQ(target.At(1, 0), PixelOf(kBlack));
    EXPECT_EQ(target.At(0, 1), PixelOf(Rgb(1, 1, 1)));
    const Bitmap before = target;
    GradientFill(target, {5, 0, 9, 3}, kWhite, GradientDirection::Horizontal, kBlack,
                 cache); // off the target
    GradientFill(target, {2, 2, 1, 3}, kWhite, GradientDirection::Horizontal, kBlack,
                 cache); // inverted
    EXPECT_EQ(target, before);
}

TEST(GradientFill, AOneRowGradientIsHalfway) {
    GradientCache cache;
    Bitmap target(3, 1, PixelFormat::Rgb24);
    GradientFill(target, {0, 0, 3, 1}, kBlack, GradientDirection::Vertical, kWhite, cache);
    for (int x = 0; x < 3; ++x)
        EXPECT_EQ(target.At(x, 0), PixelOf(Rgb(127, 127, 127)));
}

} // namespace
} // namespace veyra
