// Keyed coding: the text form, ink components and blend settings.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/inks/BlendRecords.h"
#include "app/inks/DormantInkModels.h"
#include "app/inks/FieldDrivenInkModels.h"
#include "app/inks/InkComponent.h"
#include "app/inks/TableDrivenInkModels.h"

namespace inks {

using curves::DecodingError;
using curves::MediaType;

namespace {

TEST(KeyedText, RoundTripsNestedValuesExactly) {
    KeyedValue value = KeyedValue::container();
    value.set("name", "Quote \" back\\slash\nline \x01 \xC3\xA9");
    value.set("numbers", encodeNumbers({0.1, -0.0668, 65534, 1e-300, 1.0 / 3, -0.0}));
    value.set("empty", KeyedValue::List{});
    value.set("nested", KeyedValue::container());
    const std::string text = keyedText(value);
    EXPECT_EQ(parseKeyedText(text), value);
    EXPECT_EQ(text.rfind("{\"name\":", 0), 0u); // keys stay in written order
    EXPECT_EQ(keyedText(encodeNumbers({95, 0.5})), "[95.0,0.5]");
}

TEST(KeyedText, ReadsOrdinaryJson) {
    const KeyedValue value = parseKeyedText(" { \"a\" : [ 1 , 2.5e1, -3 ] ,\n \"b\":\"\\u00e9\\ud83d\\ude00\\/\" } ");
    EXPECT_EQ(decodeNumbers(value.required("a")), (std::vector<double>{1, 25, -3}));
    EXPECT_EQ(value.required("b").string(), "\xC3\xA9\xF0\x9F\x98\x80/");
}

TEST(KeyedText, RejectsMalformedText) {
    for (const char* text : {"", "{", "[1,]", "{\"a\" 1}", "{\"a\":1,\"a\":2}", "\"open", "nan", "1e999", "[1] x",
                             "\"\\ud800\"", "\"\\x\"", "{1:2}", "true", "[01x]"}) {
        EXPECT_THROW(parseKeyedText(text), DecodingError) << text;
    }
    EXPECT_THROW(parseKeyedText(std::string(1000, '[') + std::string(1000, ']')), DecodingError);
}

TEST(KeyedText, NumbersThatAreNotFiniteCannotBeWritten) {
    EXPECT_THROW(keyedText(encodeNumbers({std::numeric_limits<double>::quiet_NaN()})), EncodingError);
    EXPECT_THROW(keyedText(KeyedValue(std::numeric_limits<double>::infinity())), EncodingError);
}

TEST(InkComponentCoding, RoundTripKeepsEveryValue) {
    const UCK3CyanInkModel original("Cyan Curve", MediaType::Matte);
    const KeyedValue encoded = original.encode();
    ASSERT_EQ(encoded.entries().size(), 4u);
    EXPECT_EQ(encoded.entries()[0].first, "name");
    EXPECT_EQ(encoded.entries()[1].first, "labArray");
    EXPECT_EQ(encoded.entries()[2].first, "curveArray");
    EXPECT_EQ(encoded.entries()[3].first, "blackInkType");
    EXPECT_EQ(encoded.required("blackInkType").number(), 1.0);

    const auto decoded = InkComponent::decode(parseKeyedText(keyedText(encoded)));
    EXPECT_EQ(decoded->name, "Cyan Curve");
    EXPECT_EQ(decoded->labArray, original.labArray);
    EXPECT_EQ(decoded->curveArray, original.curveArray);
    EXPECT_EQ(decoded->blackInkType, MediaType::Matte);
}

TEST(InkComponentCoding, NumbersThatAreNotFiniteFailTheEncodingItself) {
    UCK3BlackInkModel curveWithNaN("Black Curve", MediaType::Gloss);
    curveWithNaN.curveArray[6][40] = std::numeric_limits<double>::quiet_NaN();
    EXPECT_THROW(curveWithNaN.encode(), EncodingError);
    EmptyInkModel labWithInfinity("", MediaType::Gloss);
    labWithInfinity.labArray[20].b = -std::numeric_limits<double>::infinity();
    EXPECT_THROW(labWithInfinity.encode(), EncodingError);

    BlendSetting setting{"K", std::vector<double>{0.5, std::numeric_limits<double>::infinity()}};
    EXPECT_THROW(setting.encode(), EncodingError);
}

TEST(InkComponentCoding, MissingOrMistypedValuesFail) {
    const KeyedValue complete = EmptyInkModel("", MediaType::DTPGravure).encode();
    for (const char* key : {"name", "labArray", "curveArray", "blackInkType"}) {
        KeyedValue partial = KeyedValue::container();
        for (const auto& [name, value] : complete.entries()) {
            if (name != key) partial.set(name, value);
        }
        EXPECT_THROW(InkComponent::decode(partial), DecodingError) << key;
    }
    for (const KeyedValue& media : {KeyedValue(4.0), KeyedValue(1.5), KeyedValue("Gloss")}) {
        KeyedValue wrong = complete;
        wrong.set("blackInkType", media);
        EXPECT_THROW(InkComponent::decode(wrong), DecodingError);
    }
    KeyedValue badLab = complete;
    KeyedValue labWithoutB = KeyedValue::container();
    labWithoutB.set("L", 50.0);
    labWithoutB.set("a", 0.0);
    badLab.set("labArray", KeyedValue::List{labWithoutB});
    EXPECT_THROW(InkComponent::decode(badLab), DecodingError);
}

TEST(InkComponentCoding, ComponentListsInBothForms) {
    const std::vector<std::shared_ptr<InkComponent>> profiles = {
        std::make_shared<K5CMCyanInkModel>("Cyan Curve", MediaType::Gloss),
        std::make_shared<EmptyInkModel>("x", MediaType::Matte)};
    const InkComponents list(profiles);

    const auto decoded = InkComponents::decode(parseKeyedText(keyedText(list.encode())));
    ASSERT_EQ(decoded->profiles.size(), 2u);
    EXPECT_EQ(decoded->profiles[0]->curveArray, profiles[0]->curveArray);
    EXPECT_EQ(decoded->profiles[1]->name, "Empty");
    EXPECT_THROW(InkComponents::decode(KeyedValue::container()), DecodingError);

    const auto unarchived = InkComponents::unarchive(list.archive());
    ASSERT_NE(unarchived, nullptr);
    EXPECT_EQ(unarchived->profiles[1]->labArray, profiles[1]->labArray);
    EXPECT_EQ(InkComponents::unarchive(KeyedValue::container()), nullptr);
    EXPECT_EQ(InkComponents::unarchive(list.encode()), nullptr);
}

TEST(InkComponentCodingDeathTest, BuiltInComponentsCannotBeDecoded) {
    const KeyedValue encoded = UCK3BlackInkModel("Black Curve", MediaType::Gloss).encode();
    EXPECT_DEATH(UCK3BlackInkModel::decode(encoded), "init\\(from:\\) has not been implemented");
    EXPECT_DEATH(EmptyInkModel::decode(encoded), "init\\(from:\\) has not been implemented");
    EXPECT_DEATH(PiezoProBlackInkModel::decode(encoded), "init\\(from:\\) has not been implemented");
}

TEST(BlendSettingCoding, PresentFieldsOnly) {
    const BlendSetting empty;
    EXPECT_TRUE(empty.encode().entries().empty());
    EXPECT_EQ(BlendSetting::decode(KeyedValue::container()), empty);

    BlendSetting percentagesOnly;
    percentagesOnly.componentPercentages = std::vector<double>{0.25, 0.5, 1};
    const KeyedValue encoded = percentagesOnly.encode();
    ASSERT_EQ(encoded.entries().size(), 1u);
    EXPECT_EQ(encoded.entries()[0].first, "componentPercentages");

    BlendSetting full{"Warm Neutral", std::vector<double>{0.13, 0.24, 0.04}};
    for (const BlendSetting& setting : {empty, percentagesOnly, full}) {
        EXPECT_EQ(BlendSetting::decode(parseKeyedText(keyedText(setting.encode()))), setting);
    }
}

TEST(BlendSettingCoding, WrongTypesFailAndUnknownKeysAreIgnored) {
    EXPECT_THROW(BlendSetting::decode(parseKeyedText(R"({"componentName":3})")), DecodingError);
    EXPECT_THROW(BlendSetting::decode(parseKeyedText(R"({"componentPercentages":["a"]})")), DecodingError);
    EXPECT_THROW(BlendSetting::decode(parseKeyedText("[]")), DecodingError);
    const BlendSetting setting = BlendSetting::decode(parseKeyedText(R"({"other":1,"componentName":"K"})"));
    EXPECT_EQ(setting.componentName, "K");
    EXPECT_FALSE(setting.componentPercentages.has_value());
}

TEST(BlendRecords, ValueTransformerDescribesComponentLists) {
    EXPECT_EQ(InkComponentsValueTransformer::transformedValueClass(), "InkComponents");
    EXPECT_TRUE(InkComponentsValueTransformer::allowsReverseTransformation());
    const TSM_Profile profile;
    EXPECT_EQ(profile.inkListfor8Ink.size(), 8u);
}

} // namespace

} // namespace inks
