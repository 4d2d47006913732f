#pragma once
#include <QColor>
#include <QEventPoint>
#include <QList>
#include <QTouchEvent>
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

#include "Charts/foundation/AccessibilityElement.h"

namespace charts {

// The base of every chart view and marker view: a widget whose coordinates
// grow downward, which assistive technology sees as a list named
// "Chart View" whose items are the chart's accessibility elements, and which
// hands touches to overridable hooks.
class ChartWidgetBase : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidgetBase(QWidget* parent = nullptr);
    ~ChartWidgetBase() override;

    // Chart coordinates grow downward, as the widget's do.
    static constexpr bool isFlipped() { return true; }
    static QString accessibilityLabel() { return QStringLiteral("Chart View"); }

    // The elements assistive technology sees, in order; chart views answer
    // their renderer's elements.
    virtual std::vector<std::shared_ptr<AccessibilityElement>> accessibilityChildren() const { return {}; }

    // None until one is set; none again clears it.
    std::optional<QColor> backgroundColor() const { return backgroundColor_; }
    void setBackgroundColor(const std::optional<QColor>& color);

protected:
    bool event(QEvent* event) override;

    // Touches of any phase in this widget. The defaults hand the event to the
    // widget's own handling; chart views override them.
    virtual bool touchesBegan(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual bool touchesMoved(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual bool touchesEnded(const QList<QEventPoint>& touches, QTouchEvent* event);
    virtual bool touchesCancelled(const QList<QEventPoint>& touches, QTouchEvent* event);

private:
    std::optional<QColor> backgroundColor_;
};

} // namespace charts
