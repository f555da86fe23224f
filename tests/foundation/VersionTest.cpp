#include "foundation/Version.h"

#include <gtest/gtest.h>

namespace {

TEST(Version, PacksOneBytePerPart) {
    EXPECT_EQ(MakeVersion(1, 0, kStageDevelopment, 1), 0x01002001u);
    EXPECT_EQ(MakeVersion(3, 0, kStageRelease, 0), 0x03008000u);
    EXPECT_EQ(MakeVersion(0x1FF, 2, 3, 4), 0xFF020304u);  // an oversized part does not spill over
}

TEST(Version, KnownTextForms) {
    EXPECT_EQ(ParseVersion("2.1b3"), 0x02016003u);
    EXPECT_EQ(FormatVersion(0x02016003), "2.1b3");
    EXPECT_EQ(ParseVersion("1.0"), 0x01008000u);
    EXPECT_EQ(FormatVersion(0x01008000), "1.0");
    EXPECT_EQ(FormatVersion(0x01002001), "1.0d1");
    EXPECT_EQ(FormatVersion(0x03008000), "3.0");
}

TEST(Version, UnknownStageLetterMeansRelease) {
    const VersionNumber v = ParseVersion("1.0x5");
    EXPECT_EQ(VersionStageOf(v), 128u);
    EXPECT_EQ(VersionBuild(v), 5u);
    EXPECT_EQ(FormatVersion(v), "1.0.5");
    EXPECT_EQ(ParseVersion("3.0.2"), MakeVersion(3, 0, kStageRelease, 2));
}

TEST(Version, EveryStageRoundTrips) {
    for (std::uint32_t stage : {kStageDevelopment, kStageAlpha, kStageBeta, kStageRelease}) {
        for (std::uint32_t build : {0u, 1u, 9u, 255u}) {
            const VersionNumber v = MakeVersion(12, 34, stage, build);
            EXPECT_EQ(ParseVersion(FormatVersion(v)), v) << FormatVersion(v);
        }
    }
    EXPECT_EQ(FormatVersion(MakeVersion(1, 2, kStageAlpha, 0)), "1.2a");
    EXPECT_EQ(FormatVersion(MakeVersion(1, 2, kStageBeta, 7)), "1.2b7");
    EXPECT_EQ(ParseVersion("4.5D6"), MakeVersion(4, 5, kStageDevelopment, 6));  // stage letter in any case
}

TEST(Version, ShortAndEmptyTexts) {
    EXPECT_EQ(ParseVersion(""), MakeVersion(0, 0, kStageRelease, 0));
    EXPECT_EQ(ParseVersion("7"), MakeVersion(7, 0, kStageRelease, 0));
    EXPECT_EQ(ParseVersion("7."), MakeVersion(7, 0, kStageRelease, 0));
    EXPECT_EQ(ParseVersion("7.1a"), MakeVersion(7, 1, kStageAlpha, 0));
}

}  // namespace
