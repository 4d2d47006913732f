#pragma once
#include <optional>

namespace charts {

// The chart legend. Data sets store the legend shape they want; the legend
// model itself is completed by the legend code.
class Legend {
public:
    enum class Form { none = 0, empty = 1, standard = 2, square = 3, circle = 4, line = 5 };

    static constexpr int rawValue(Form form) { return static_cast<int>(form); }

    // Any integer other than 0 to 5 names no shape.
    static constexpr std::optional<Form> formFromRawValue(int raw) {
        if (raw < 0 || raw > 5) return std::nullopt;
        return static_cast<Form>(raw);
    }
};

} // namespace charts
