#pragma once
#include <QColor>
#include <string>
#include <vector>

#include "Charts/types/line/LineChartView.h"
#include "app/ui/graphs/GraphSeries.h"

namespace appui {

// The ink curves of a .quad file or a blend, one line per named channel in
// its ink's colour, input 0 to 100 % along x and ink 0 to 100 % along y,
// with an optional total. Owners set the fields and ask for a plot: new
// values of the same lines go into the shown chart data in place, other
// lines replace the chart data and set the axes; an empty curve list keeps
// what is shown.
// Made by charts::ChartViewBase::create<QuadCurveGraph>(parent).
class QuadCurveGraph : public charts::LineChartView {
public:
    explicit QuadCurveGraph(ConstructionKey key, QWidget* parent = nullptr) : LineChartView(key, parent) {}

    std::vector<std::vector<double>> quadCurve;
    std::vector<std::string> inkList;
    QColor gridColor = Qt::white;
    bool drawLegend = true;
    std::vector<double> totalInkLoad;
    bool showTotalInkLoad = false;

    virtual void plotQuadCurves();
    virtual void configureAxes();

protected:
    bool plotsInPlace(const std::vector<GraphSeries>& series);
};

// The variant that plots every curve, named or not, and never a total; it
// prints the curve and name counts first. An empty curve list keeps what is
// shown here too.
class ACQuadCurveGraph : public QuadCurveGraph {
public:
    explicit ACQuadCurveGraph(ConstructionKey key, QWidget* parent = nullptr) : QuadCurveGraph(key, parent) {}

    void plotQuadCurves() override;
};

} // namespace appui
