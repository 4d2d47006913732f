#pragma once
#include <memory>
#include <vector>

#include "Charts/combined/CombinedChartData.h"
#include "Charts/combined/CombinedChartDataProvider.h"
#include "Charts/combined/CombinedDrawOrder.h"
#include "Charts/views/BarLineChartViewBase.h"

namespace charts {

class CombinedChartRenderer;
class IFillFormatter;

// The combined chart: line, bar, scatter, candlestick and bubble data drawn
// in one bar-line plot area with shared axes, each kind by its own renderer
// in the draw order. It is the provider of every kind's renderer, and a touch
// on a stacked bar highlights the whole bar unless full-bar highlighting is
// turned off. Made through ChartViewBase::create<CombinedChartView>(parent).
class CombinedChartView : public BarLineChartViewBase, public virtual CombinedChartDataProvider {
public:
    using DrawOrder = CombinedDrawOrder;

    explicit CombinedChartView(ConstructionKey key, QWidget* parent = nullptr) : BarLineChartViewBase(key, parent) {}

    // Stores and lays out the data, then makes a new highlighter (with a bar
    // highlighter when the data has bar data now) and new sub-renderers in
    // the draw order.
    void setData(std::shared_ptr<ChartData> data) override;

    // Never empty: none given stands for the default fill formatter.
    const std::shared_ptr<IFillFormatter>& fillFormatter() const { return fillFormatter_; }
    void setFillFormatter(std::shared_ptr<IFillFormatter> formatter);

    std::shared_ptr<CombinedChartData> combinedData() const override;
    // The combined data's sub-data of each kind; none without combined data.
    std::shared_ptr<LineChartData> lineData() const override;
    std::shared_ptr<BarChartData> barData() const override;
    std::shared_ptr<ScatterChartData> scatterData() const override;
    std::shared_ptr<CandleChartData> candleData() const override;
    std::shared_ptr<BubbleChartData> bubbleData() const override;
    std::shared_ptr<YAxis> getAxis(YAxis::AxisDependency axis) const override {
        return BarLineChartViewBase::getAxis(axis);
    }

    // The bar switches, kept by the combined renderer (the defaults while the
    // renderer is another).
    virtual bool drawValueAboveBarEnabled() const;
    virtual void setDrawValueAboveBarEnabled(bool enabled);
    virtual bool drawBarShadowEnabled() const;
    virtual void setDrawBarShadowEnabled(bool enabled);
    bool isDrawValueAboveBarEnabled() const override { return drawValueAboveBarEnabled(); }
    bool isDrawBarShadowEnabled() const override { return drawBarShadowEnabled(); }

    // The draw order as raw values (DrawOrder). The setter takes the values
    // that name a kind and drops any other with a line on standard output;
    // an order left empty changes nothing. The sub-renderers follow it from
    // the next setData(), so the order is set before the data.
    virtual std::vector<int> drawOrder() const;
    virtual void setDrawOrder(const std::vector<int>& order);

    // A touch on a stacked bar highlights the whole bar (on by default).
    virtual bool highlightFullBarEnabled() const { return highlightFullBarEnabled_; }
    virtual void setHighlightFullBarEnabled(bool enabled) { highlightFullBarEnabled_ = enabled; }
    bool isHighlightFullBarEnabled() const override { return highlightFullBarEnabled(); }

    // The highlighter's highlight, with full-bar highlighting for the whole
    // bar (stack index -1).
    HighlightPtr getHighlightByTouchPoint(Point point) override;

protected:
    void initialize() override;

private:
    std::shared_ptr<CombinedChartRenderer> combinedRenderer() const;
    void replaceHighlighter();

    std::shared_ptr<IFillFormatter> fillFormatter_;
    bool highlightFullBarEnabled_ = false;
};

} // namespace charts
