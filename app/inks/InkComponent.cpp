#include "app/inks/InkComponent.h"

#include "platform/FatalError.h"

namespace inks {

KeyedValue InkComponent::encode() const {
    KeyedValue container = KeyedValue::container();
    container.set("name", name);
    container.set("labArray", encodeLabList(labArray));
    container.set("curveArray", encodeCurves(curveArray));
    container.set("blackInkType", static_cast<double>(curves::encode(blackInkType)));
    return container;
}

namespace {

int wholeNumber(const KeyedValue& value) {
    const double number = value.number();
    const bool inRange = number >= -2147483648.0 && number <= 2147483647.0;
    if (!inRange || number != static_cast<double>(static_cast<int>(number))) {
        throw curves::DecodingError("dataCorrupted: expected a whole number");
    }
    return static_cast<int>(number);
}

} // namespace

std::shared_ptr<InkComponent> InkComponent::decode(const KeyedValue& value) {
    // Not make_shared: the constructor is protected.
    std::shared_ptr<InkComponent> component(new InkComponent("", curves::MediaType::Gloss));
    component->name = value.required("name").string();
    component->labArray = decodeLabList(value.required("labArray"));
    component->curveArray = decodeCurves(value.required("curveArray"));
    component->blackInkType = curves::decodeMediaType(wholeNumber(value.required("blackInkType")));
    return component;
}

std::shared_ptr<InkComponent> BuiltInInkComponent::decode(const KeyedValue&) {
    platform::fatalError("init(from:) has not been implemented");
}

namespace {

KeyedValue encodeComponentList(const std::vector<std::shared_ptr<InkComponent>>& profiles) {
    KeyedValue::List list;
    list.reserve(profiles.size());
    for (const auto& profile : profiles) {
        platform::precondition(profile != nullptr, "InkComponents::encode: an empty entry in the component list");
        list.push_back(profile->encode());
    }
    return KeyedValue(std::move(list));
}

std::vector<std::shared_ptr<InkComponent>> decodeComponentList(const KeyedValue& value) {
    std::vector<std::shared_ptr<InkComponent>> profiles;
    for (const auto& element : value.list()) profiles.push_back(InkComponent::decode(element));
    return profiles;
}

} // namespace

KeyedValue InkComponents::archive() const {
    KeyedValue container = KeyedValue::container();
    container.set("inkComponents", encodeComponentList(profiles));
    return container;
}

std::shared_ptr<InkComponents> InkComponents::unarchive(const KeyedValue& archive) {
    try {
        return std::make_shared<InkComponents>(decodeComponentList(archive.required("inkComponents")));
    } catch (const curves::DecodingError&) {
        return nullptr;
    }
}

KeyedValue InkComponents::encode() const {
    KeyedValue container = KeyedValue::container();
    container.set("profiles", encodeComponentList(profiles));
    return container;
}

std::shared_ptr<InkComponents> InkComponents::decode(const KeyedValue& value) {
    return std::make_shared<InkComponents>(decodeComponentList(value.required("profiles")));
}

} // namespace inks
