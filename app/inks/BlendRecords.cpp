#include "app/inks/BlendRecords.h"

namespace inks {

KeyedValue BlendSetting::encode() const {
    KeyedValue container = KeyedValue::container();
    if (componentName) container.set("componentName", *componentName);
    if (componentPercentages) container.set("componentPercentages", encodeNumbers(*componentPercentages));
    return container;
}

BlendSetting BlendSetting::decode(const KeyedValue& value) {
    BlendSetting setting;
    if (const auto* name = value.find("componentName")) setting.componentName = name->string();
    if (const auto* percentages = value.find("componentPercentages")) {
        setting.componentPercentages = decodeNumbers(*percentages);
    }
    return setting;
}

} // namespace inks
