#pragma once
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/InkList.h"
#include "app/inks/KeyedValue.h"

namespace inks {

// Records for storing blend settings and ink profiles. Nothing stores or reads
// them yet; only BlendSetting has a keyed form.

// An ink component's name with its percentages; either may be absent.
struct BlendSetting {
    std::optional<std::string> componentName;
    std::optional<std::vector<double>> componentPercentages;

    friend bool operator==(const BlendSetting&, const BlendSetting&) = default;

    // Keys "componentName" and "componentPercentages", each written only when
    // present. Throws EncodingError for a percentage that is not finite.
    KeyedValue encode() const;
    // A missing key gives an absent field; a value of the wrong type throws
    // DecodingError.
    static BlendSetting decode(const KeyedValue& value);
};

class TSM_InkComponent {
public:
    std::string name;
    std::optional<std::vector<std::string>> inkList;
    std::optional<std::vector<curves::CIELab>> labArray;
    std::optional<std::vector<std::vector<double>>> curveArray;
    std::optional<std::string> notes;
};

class TSM_Profile {
public:
    std::optional<std::string> profileName;
    std::optional<std::vector<std::string>> inkList;
    int componentCount = 0;
    std::vector<std::shared_ptr<TSM_InkComponent>> inkComponents;
    std::optional<std::map<std::string, std::vector<BlendSetting>>> presets;
    std::optional<int> printerModelCode;
    const std::vector<std::string> inkListfor8Ink = curves::InkList{}.inkListfor8Ink;
};

// Turns ink component lists (InkComponents) into stored values and back.
// Nothing registers it yet.
class InkComponentsValueTransformer {
public:
    static std::string_view transformedValueClass() { return "InkComponents"; }
    static bool allowsReverseTransformation() { return true; }
};

} // namespace inks
