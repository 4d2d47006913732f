#pragma once
// Pies for the pie tests: sets of slices and views laid out without an
// event loop.
#include <memory>
#include <optional>
#include <vector>

#include <QColor>
#include <QString>

#include "Charts/types/pie/PieChartData.h"
#include "Charts/types/pie/PieChartDataEntry.h"
#include "Charts/types/pie/PieChartDataSet.h"
#include "Charts/types/pie/PieChartView.h"

namespace charts::testing {

// Slice colours easy to tell apart on screen.
inline const std::vector<QColor>& sliceColors() {
    static const std::vector<QColor> colors{QColor(220, 40, 40),  QColor(40, 160, 60),  QColor(40, 80, 220),
                                            QColor(230, 180, 20), QColor(150, 60, 200), QColor(20, 190, 200)};
    return colors;
}

// Slices of the values, labelled "A", "B", ... ("S26", "S27", ... from the
// 27th) unless labels are given.
inline std::shared_ptr<PieChartDataSet> pieSet(const std::vector<double>& values,
                                               std::vector<std::optional<QString>> labels = {}) {
    ChartDataSet::Entries entries;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::optional<QString> label = i < labels.size() ? labels[i]
                                             : i < 26          ? QString(QChar('A' + static_cast<int>(i)))
                                                               : QStringLiteral("S%1").arg(i);
        entries.push_back(std::make_shared<PieChartDataEntry>(values[i], label));
    }
    auto set = std::make_shared<PieChartDataSet>(entries, QStringLiteral("Slices"));
    set->setColors(sliceColors());
    return set;
}

// A pie view of its own, laid out at the size, with the set as its data
// (when one is given).
inline std::unique_ptr<PieChartView> pieView(double width, double height,
                                             const std::shared_ptr<PieChartDataSet>& set = nullptr) {
    std::unique_ptr<PieChartView> view(ChartViewBase::create<PieChartView>());
    view->setChartSize(width, height);
    if (set) view->setData(std::make_shared<PieChartData>(set));
    return view;
}

} // namespace charts::testing
