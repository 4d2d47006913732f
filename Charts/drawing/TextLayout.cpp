#include "Charts/drawing/TextLayout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

namespace charts {

namespace {

// A rectangle sized from a measurement must hold the same lines again; the
// slack absorbs rounding in the platform's own arithmetic.
constexpr double fitSlack = 1.0 / 64;
constexpr double unlimited = 1e9;

bool isTruncating(LineBreakMode mode) {
    return mode == LineBreakMode::byTruncatingHead || mode == LineBreakMode::byTruncatingTail ||
           mode == LineBreakMode::byTruncatingMiddle;
}

Qt::TextElideMode elideMode(LineBreakMode mode) {
    switch (mode) {
    case LineBreakMode::byTruncatingHead: return Qt::ElideLeft;
    case LineBreakMode::byTruncatingMiddle: return Qt::ElideMiddle;
    default: return Qt::ElideRight;
    }
}

QTextOption::WrapMode wrapMode(LineBreakMode mode, bool limited) {
    if (!limited) return QTextOption::NoWrap;
    switch (mode) {
    case LineBreakMode::byWordWrapping: return QTextOption::WrapAtWordBoundaryOrAnywhere;
    case LineBreakMode::byCharWrapping: return QTextOption::WrapAnywhere;
    default: return QTextOption::NoWrap;
    }
}

QStringList paragraphsOf(const QString& text) {
    QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (QString& paragraph : paragraphs) {
        if (paragraph.endsWith(QLatin1Char('\r'))) paragraph.chop(1);
    }
    return paragraphs;
}

// What a layout depends on: the colour plays no part.
struct LayoutKey {
    QString text;
    QFont font;
    ParagraphStyle style;
    double width = 0;
    double height = 0;
    bool truncatesLastVisibleLine = false;

    friend bool operator==(const LayoutKey&, const LayoutKey&) = default;
};

size_t qHash(const LayoutKey& key, size_t seed = 0) noexcept {
    return qHashMulti(seed, key.text, key.font, static_cast<int>(key.style.alignment),
                      static_cast<int>(key.style.lineBreakMode), key.style.minimumLineHeight, key.width, key.height,
                      key.truncatesLastVisibleLine);
}

TextLayoutResult layOutTextAnew(const QString& text, const TextAttributes& attributes, double width, double height,
                                TextDrawOptions options);

} // namespace

// A chart draws the same labels frame after frame, and measures most of them
// before drawing them: the layouts of the most recent texts are kept (per
// thread, for layout may run off the main thread), which spares the platform's
// text layout, the larger part of drawing a label.
TextLayoutResult layOutText(const QString& text, const TextAttributes& attributes, double width, double height,
                            TextDrawOptions options) {
    constexpr qsizetype kept = 2048;
    thread_local QHash<LayoutKey, TextLayoutResult> recent;
    LayoutKey key{text,  attributes.font, attributes.resolvedParagraphStyle(),
                  width, height,          options.truncatesLastVisibleLine};
    if (const auto found = recent.constFind(key); found != recent.constEnd()) return found.value();
    TextLayoutResult result = layOutTextAnew(text, attributes, width, height, options);
    if (recent.size() >= kept) recent.clear();
    recent.insert(std::move(key), result);
    return result;
}

namespace {

TextLayoutResult layOutTextAnew(const QString& text, const TextAttributes& attributes, double width, double height,
                                TextDrawOptions options) {
    const ParagraphStyle style = attributes.resolvedParagraphStyle();
    const QFontMetricsF metrics(attributes.font);
    const bool limited = width > 0;
    const double lineWidth = limited ? width + fitSlack : unlimited;

    TextLayoutResult result;
    QStringList paragraphs = paragraphsOf(text);
    double y = 0;
    bool dropped = false;
    for (qsizetype p = 0; p < paragraphs.size() && !dropped; ++p) {
        const QString& paragraph = paragraphs[p];
        std::vector<std::pair<QString, double>> pieces; // line text and its width
        double ascent = metrics.ascent();
        double lineHeight = metrics.height();
        if (isTruncating(style.lineBreakMode)) {
            QString shown = limited && metrics.horizontalAdvance(paragraph) > lineWidth
                                ? metrics.elidedText(paragraph, elideMode(style.lineBreakMode), width)
                                : paragraph;
            pieces.emplace_back(shown, metrics.horizontalAdvance(shown));
        } else {
            QTextLayout layout(paragraph, attributes.font);
            QTextOption option;
            option.setWrapMode(wrapMode(style.lineBreakMode, limited));
            layout.setTextOption(option);
            layout.beginLayout();
            for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
                line.setLineWidth(lineWidth);
                QString piece = paragraph.mid(line.textStart(), line.textLength());
                while (piece.endsWith(QLatin1Char(' '))) piece.chop(1);
                pieces.emplace_back(piece, line.naturalTextWidth());
                ascent = line.ascent();
                lineHeight = line.ascent() + line.descent();
            }
            layout.endLayout();
            if (pieces.empty()) pieces.emplace_back(QString(), 0.0);
        }

        for (std::size_t i = 0; i < pieces.size(); ++i) {
            const double h = std::max(lineHeight, style.minimumLineHeight);
            if (height > 0 && y + h > height + fitSlack) {
                dropped = true;
                break;
            }
            TextLine line;
            line.text = pieces[i].first;
            line.width = pieces[i].second;
            line.y = y;
            line.height = h;
            // A taller minimum line keeps the text at the line's bottom, as
            // the platform's typesetter does.
            line.ascent = h - (lineHeight - ascent);
            result.lines.push_back(line);
            y += h;
        }
    }

    if (dropped && options.truncatesLastVisibleLine && !result.lines.empty()) {
        TextLine& last = result.lines.back();
        const QString marked = last.text + QChar(0x2026);
        last.text = metrics.elidedText(marked, Qt::ElideRight, limited ? width : unlimited);
        if (!last.text.endsWith(QChar(0x2026))) last.text = marked;
        last.width = metrics.horizontalAdvance(last.text);
    }

    double widest = 0;
    for (const TextLine& line : result.lines) widest = std::max(widest, line.width);
    const double box = limited ? width : widest;
    for (TextLine& line : result.lines) {
        switch (style.alignment) {
        case TextAlignment::right: line.x = box - line.width; break;
        case TextAlignment::center: line.x = (box - line.width) / 2; break;
        default: line.x = 0; break;
        }
    }
    result.size = Size{widest, y};
    return result;
}

} // namespace

} // namespace charts
