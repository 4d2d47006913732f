#include <gtest/gtest.h>

#include <unordered_set>

#include "app/curves/core/Enumerations.h"
#include "app/curves/core/InkList.h"
#include "app/curves/core/NotificationNames.h"

namespace curves {

TEST(EnumerationsTest, MediaTypeRawValues) {
    EXPECT_EQ(mediaTypeFromRawValue(0), MediaType::Gloss);
    EXPECT_EQ(mediaTypeFromRawValue(3), MediaType::DTPGravure);
    EXPECT_FALSE(mediaTypeFromRawValue(4).has_value());
    EXPECT_FALSE(mediaTypeFromRawValue(-1).has_value());
    EXPECT_EQ(rawValue(MediaType::Matte), 1);
    EXPECT_EQ(decodeMediaType(encode(MediaType::Gravure)), MediaType::Gravure);
    EXPECT_THROW(decodeMediaType(7), DecodingError);
    std::unordered_set<Inkset> sets{Inkset::UCK3, Inkset::Custom, Inkset::UCK3};
    EXPECT_EQ(sets.size(), 2u);
}

TEST(EnumerationsTest, InkListTablesGrowByInkCount) {
    const InkList list;
    EXPECT_TRUE(list.currentInkNameList.empty());
    EXPECT_EQ(list.inkListfor4Ink.size(), 4u);
    EXPECT_EQ(list.inkListfor8Ink.back(), "# LLK Curve");
    EXPECT_EQ(list.inkListforPro10Ink[8], "# V Curve");
    EXPECT_EQ(list.inkListfor10Ink[9], "# GR Curve");
    EXPECT_EQ(list.inkNamesfor7Ink[7], "Light Black");
    EXPECT_EQ(list.inkNamesforPro10Ink.size(), 12u);
    EXPECT_EQ(list.inkNamesforPro10Ink[10], "Matte Black");
    EXPECT_EQ(list.inkNamesforR1800.back(), "Not Used");
    EXPECT_EQ(list.headerInfoforR1800, "## QuadToneRIP MK,C,M,Y,R,B,PK,GL");
    EXPECT_EQ(list.headerInfoForPro10Ink, "## QuadToneRIP K,C,M,Y,LC,LM,LK,LLK,V,MK");
}

TEST(EnumerationsTest, NotificationNamesAreMadeOnce) {
    EXPECT_EQ(NotificationName::didUpdateBlendedQuadValues(), "com.Vellumcrest.didUpdateBlendedQuadValues");
    EXPECT_EQ(NotificationName::updatedColorInkArrays(), "com.Vellumcrest.updatedColorInkArrays");
    EXPECT_EQ(NotificationName::updatedManualCurveControl(), "com.Vellumcrest.updatedManualCurveControl");
    EXPECT_EQ(NotificationName::updatedV2ManualCurveControl(), "com.Vellumcrest.updatedV2ManualCurveControl");
    EXPECT_EQ(NotificationName::didUpdateColorInkLimits(), "com.Vellumcrest.didUpdateColorInkLimits");
    EXPECT_EQ(&NotificationName::updatedColorInkArrays(), &NotificationName::updatedColorInkArrays());
}

} // namespace curves
