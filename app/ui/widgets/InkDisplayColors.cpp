#include "app/ui/widgets/InkDisplayColors.h"

#include <cctype>
#include <string>
#include <utility>

namespace appui {

namespace {
enum Ink : std::size_t {
    black,
    cyan,
    magenta,
    yellow,
    lightCyan,
    lightMagenta,
    grey,
    lightGrey,
    orange,
    green,
    violet,
    red,
    blue,
    paleGrey
};
} // namespace

const std::vector<QColor>& inkDisplayColors() {
    static const std::vector<QColor> colors{
        QColor::fromRgbF(0, 0, 0),          QColor::fromRgbF(0.1f, 1, 1),          QColor::fromRgbF(1, 0.1f, 1),
        QColor::fromRgbF(1, 1, 0),          QColor::fromRgbF(0.6f, 1, 1),          QColor::fromRgbF(1, 0.6f, 1),
        QColor::fromRgbF(0.5f, 0.5f, 0.5f), QColor::fromRgbF(0.7f, 0.7f, 0.7f),    QColor::fromRgbF(1, 0.65f, 0),
        QColor::fromRgbF(0.2f, 1, 0.2f),    QColor::fromRgbF(0.5f, 0, 1),          QColor::fromRgbF(1, 0, 0),
        QColor::fromRgbF(0, 0, 1),          QColor::fromRgbF(0.85f, 0.85f, 0.85f),
    };
    return colors;
}

const std::array<QColor, 2>& labABGraphColors() {
    static const std::array<QColor, 2> colors{inkDisplayColors()[red], inkDisplayColors()[blue]};
    return colors;
}

const QColor& inkDisplayColor(std::string_view curveName) {
    static const std::pair<std::string_view, Ink> names[] = {
        {"#kcurve", black},   {"#mkcurve", black},      {"#pkcurve", black},     {"#ccurve", cyan},
        {"#mcurve", magenta}, {"#ycurve", yellow},      {"#lccurve", lightCyan}, {"#lmcurve", lightMagenta},
        {"#lkcurve", grey},   {"#llkcurve", lightGrey}, {"#orcurve", orange},    {"#grcurve", green},
        {"#vcurve", violet},  {"#rcurve", red},         {"#bcurve", blue},       {"#glcurve", paleGrey},
    };
    std::string key;
    for (char c : curveName)
        if (c != ' ') key.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    for (const auto& [name, ink] : names)
        if (key == name) return inkDisplayColors()[ink];
    return inkDisplayColors()[black];
}

} // namespace appui
