#pragma once
// Whole frames recorded as text and compared with a kept copy ("golden"
// recording) line by line.
//
// The text holds one line per painting call of the recording context: what
// was painted (fill, stroke, clip, text, image, ...), its colour, alpha,
// line width and dash, the transform when it is not the identity, and the
// path or the text with its position. Numbers are rounded to hundredths.
//
// To write the kept copies anew after a deliberate change of the drawing,
// run the test with TINTSMITH_UPDATE_GOLDEN=1 in the environment, then read
// the difference (git diff) before committing it.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Charts/drawing/RecordingContext.h"
#include "Charts/drawing/TextAttributes.h"
#include "platform/NumberText.h"

namespace charts::testing {

inline std::string goldenNumber(double value) {
    double rounded = std::round(value * 100) / 100;
    if (rounded == 0) rounded = 0; // no "-0"
    return platform::shortestDecimalText(rounded);
}

inline std::string goldenPoint(const Point& p) { return goldenNumber(p.x) + "," + goldenNumber(p.y); }

inline std::string goldenRect(const Rect& r) {
    return goldenPoint(r.origin) + " " + goldenNumber(r.width()) + "x" + goldenNumber(r.height());
}

inline std::string goldenColor(const QColor& color) { return color.name(QColor::HexArgb).toStdString(); }

inline std::string goldenPath(const Path& path) {
    std::string text;
    for (const PathElement& element : path.elements()) {
        switch (element.kind) {
        case PathElementKind::moveTo: text += " M"; break;
        case PathElementKind::lineTo: text += " L"; break;
        case PathElementKind::quadCurveTo: text += " Q"; break;
        case PathElementKind::curveTo: text += " C"; break;
        case PathElementKind::closeSubpath: text += " Z"; break;
        }
        for (int i = 0; i < element.pointCount(); ++i) text += " " + goldenPoint(element.points[i]);
    }
    return text;
}

inline std::string goldenStroke(const GraphicsState& state) {
    std::string text = goldenColor(state.strokeColor) + " w" + goldenNumber(state.stroke.lineWidth);
    if (!state.stroke.dashLengths.empty()) {
        text += " dash " + goldenNumber(state.stroke.dashPhase);
        for (double length : state.stroke.dashLengths) text += ":" + goldenNumber(length);
    }
    return text;
}

inline std::string goldenState(const GraphicsState& state) {
    std::string text;
    if (state.alpha != 1) text += " a" + goldenNumber(state.alpha);
    const AffineTransform& t = state.transform;
    if (!t.isIdentity()) {
        text += " T[" + goldenNumber(t.a) + " " + goldenNumber(t.b) + " " + goldenNumber(t.c) + " " +
                goldenNumber(t.d) + " " + goldenNumber(t.tx) + " " + goldenNumber(t.ty) + "]";
    }
    return text;
}

inline std::string goldenText(const RecordingContext& context) {
    std::ostringstream out;
    for (const RecordedOperation& op : context.paintings()) {
        const GraphicsState& s = op.state;
        switch (op.kind) {
        case DrawingOperation::drawPath:
            switch (op.mode) {
            case PathDrawingMode::fill: out << "fill " << goldenColor(s.fillColor); break;
            case PathDrawingMode::evenOddFill: out << "fill-evenodd " << goldenColor(s.fillColor); break;
            case PathDrawingMode::stroke: out << "stroke " << goldenStroke(s); break;
            case PathDrawingMode::fillStroke:
                out << "fill+stroke " << goldenColor(s.fillColor) << " " << goldenStroke(s);
                break;
            case PathDrawingMode::evenOddFillStroke:
                out << "fill-evenodd+stroke " << goldenColor(s.fillColor) << " " << goldenStroke(s);
                break;
            }
            out << goldenState(s) << " |" << goldenPath(op.path);
            break;
        case DrawingOperation::clip:
            out << "clip " << (op.rule == FillRule::evenOdd ? "evenodd" : "winding") << goldenState(s) << " |"
                << goldenPath(op.path);
            break;
        case DrawingOperation::strokeLineSegments:
            out << "segments " << goldenStroke(s) << goldenState(s) << " |";
            for (const Point& p : op.points) out << " " << goldenPoint(p);
            break;
        case DrawingOperation::drawText:
        case DrawingOperation::drawTextInRect:
            out << "text \"" << op.text.toStdString() << "\" "
                << (op.kind == DrawingOperation::drawText ? goldenPoint(op.points.front()) : goldenRect(op.rect))
                << " px" << goldenNumber(fontPixelSize(op.attributes.font)) << " "
                << goldenColor(op.attributes.resolvedColor()) << goldenState(s);
            break;
        default:
            out << operationName(op.kind) << " " << goldenColor(s.fillColor) << " " << goldenRect(op.rect)
                << goldenState(s);
            for (const Point& p : op.points) out << " " << goldenPoint(p);
            break;
        }
        out << "\n";
    }
    return out.str();
}

inline std::vector<std::string> goldenLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Compares the text with the kept copy in `file`, line by line; writes the
// copy instead when TINTSMITH_UPDATE_GOLDEN is set.
inline ::testing::AssertionResult matchesGolden(const std::string& text, const std::filesystem::path& file) {
    if (std::getenv("TINTSMITH_UPDATE_GOLDEN") != nullptr) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        return ::testing::AssertionSuccess();
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) return ::testing::AssertionFailure() << "no kept recording " << file << " (see golden_recording.h)";
    std::ostringstream kept;
    kept << in.rdbuf();
    const std::vector<std::string> expected = goldenLines(kept.str());
    const std::vector<std::string> got = goldenLines(text);
    for (std::size_t i = 0; i < std::max(expected.size(), got.size()); ++i) {
        const std::string want = i < expected.size() ? expected[i] : "(no line)";
        const std::string have = i < got.size() ? got[i] : "(no line)";
        if (want != have)
            return ::testing::AssertionFailure()
                   << file.filename() << " line " << i + 1 << "\n  kept: " << want << "\n  drawn: " << have;
    }
    return ::testing::AssertionSuccess();
}

} // namespace charts::testing
