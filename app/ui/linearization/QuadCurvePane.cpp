#include "app/ui/linearization/QuadCurvePane.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>

#include "app/curves/quad/QuadDataFile.h"
#include "app/ui/graphs/QuadCurveGraph.h"

namespace appui {

QuadCurvePane::QuadCurvePane(QuadCurveGraph& graph, QLabel& fileName, QPlainTextEdit& notes,
                             QAbstractButton& ninthSwitch, QAbstractButton& tenthSwitch)
    : graph_(graph),
      fileName_(fileName),
      notes_(notes),
      ninthSwitch_(ninthSwitch),
      tenthSwitch_(tenthSwitch) {}

void QuadCurvePane::showFile(const curves::QuadDataFile& quad) {
    const auto titles = linearization::lastChannelButtonTitles(quad.inkList);
    ninthSwitch_.setVisible(titles.has_value());
    tenthSwitch_.setVisible(titles.has_value());
    if (titles) {
        ninthSwitch_.setText(titles->first);
        tenthSwitch_.setText(titles->second);
    }
    notes_.setPlainText(QString::fromStdString(quad.quadNotes.value_or(std::string())));
    fileName_.setText(QString::fromStdString(quad.fileName));
}

void QuadCurvePane::showCurves(linearization::QuadCurvesShown curves) {
    graph_.inkList = std::move(curves.inkList);
    graph_.quadCurve = std::move(curves.curves);
    graph_.plotQuadCurves();
}

std::string QuadCurvePane::notes() const { return notes_.toPlainText().toStdString(); }

} // namespace appui
