#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/curves/core/CIELab.h"
#include "app/curves/core/Enumerations.h"
#include "app/inks/KeyedValue.h"

namespace inks {

// One 256-value curve per ink channel, in the channel order of the .quad header.
using QuadCurves = std::vector<std::vector<double>>;

// What every built-in ink component offers to a blend of whole quads. Nothing
// blends through it yet; the base component answers with its own tables.
class BlendableQuad {
public:
    virtual ~BlendableQuad() = default;
    virtual const QuadCurves& blendableCurves() const = 0;
    virtual const std::vector<curves::CIELab>& blendableLab() const = 0;
};

// A built-in description of what one ink set prints for one toning channel on
// one media type: a 21-step Lab ramp (index 0 paper, 20 the darkest step) and
// one quad curve per ink channel (K, C, M, Y, LC, LM, LK, LLK, and V, MK for
// the ten-channel sets), in quad units 0 to 65535.
class InkComponent : public BlendableQuad {
public:
    std::string name;
    std::vector<curves::CIELab> labArray;
    QuadCurves curveArray;
    curves::MediaType blackInkType = curves::MediaType::Gloss;

    ~InkComponent() override = default;

    // Keyed container with "name", "labArray", "curveArray", "blackInkType", in
    // that order. Throws EncodingError for a value without a keyed form.
    KeyedValue encode() const;

    // Builds a plain component from its keyed form; all four keys are required.
    // Throws DecodingError for the first missing or mistyped value. The built-in
    // component classes cannot be decoded (their decode stops the program).
    static std::shared_ptr<InkComponent> decode(const KeyedValue& value);

    const QuadCurves& blendableCurves() const override { return curveArray; }
    const std::vector<curves::CIELab>& blendableLab() const override { return labArray; }

protected:
    // A component exists only as one of the built-in classes or by decoding.
    InkComponent(std::string componentName, curves::MediaType mediaType)
        : name(std::move(componentName)),
          blackInkType(mediaType) {}
    InkComponent(const InkComponent&) = default;
    InkComponent& operator=(const InkComponent&) = default;
};

// Base of the built-in component classes: they are built only from a name and
// a media type, never by decoding.
class BuiltInInkComponent : public InkComponent {
public:
    [[noreturn]] static std::shared_ptr<InkComponent> decode(const KeyedValue& value);

protected:
    using InkComponent::InkComponent;
};

// A list of ink components, as archived (key "inkComponents") and as encoded
// (key "profiles").
class InkComponents {
public:
    std::vector<std::shared_ptr<InkComponent>> profiles;

    explicit InkComponents(std::vector<std::shared_ptr<InkComponent>> components) : profiles(std::move(components)) {}

    KeyedValue archive() const;
    // Nothing when the archive holds no readable list under "inkComponents".
    static std::shared_ptr<InkComponents> unarchive(const KeyedValue& archive);

    KeyedValue encode() const;
    // Throws DecodingError when "profiles" is missing or an element is unreadable.
    static std::shared_ptr<InkComponents> decode(const KeyedValue& value);
};

} // namespace inks
