#include "Charts/foundation/ChartWidgetBase.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPalette>
#include <QWindow>
#include <mutex>
#include <utility>

namespace charts {

namespace {

// One accessibility element of a chart: a list item, or static text for the
// header, with the element's label and frame.
class ElementAccessible : public QAccessibleInterface {
public:
    ElementAccessible(ChartWidgetBase* chart, std::weak_ptr<AccessibilityElement> element)
        : chart_(chart),
          element_(std::move(element)) {}

    bool isValid() const override { return !chart_.isNull() && !element_.expired(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return chart_.isNull() ? nullptr : chart_->window()->windowHandle(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return chart_.isNull() ? nullptr : QAccessible::queryAccessibleInterface(chart_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const std::shared_ptr<AccessibilityElement> element = element_.lock();
        return element && t == QAccessible::Name ? element->label() : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const std::shared_ptr<AccessibilityElement> element = element_.lock();
        return element ? toQt(element->screenFrame()).toAlignedRect() : QRect();
    }
    QAccessible::Role role() const override {
        const std::shared_ptr<AccessibilityElement> element = element_.lock();
        return element && element->role() == AccessibilityElement::Role::staticText ? QAccessible::StaticText
                                                                                    : QAccessible::ListItem;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        const std::shared_ptr<AccessibilityElement> element = element_.lock();
        state.invalid = !element;
        state.selectable = true;
        state.selected = element && element->isSelected();
        return state;
    }

    bool represents(const std::shared_ptr<AccessibilityElement>& element) const { return element_.lock() == element; }
    bool expired() const { return element_.expired(); }

private:
    QPointer<ChartWidgetBase> chart_;
    std::weak_ptr<AccessibilityElement> element_;
};

// The chart widget: a list named "Chart View" whose children are the chart's
// elements. Element interfaces are registered once per element and dropped
// when the element goes; the lookups, const for Qt, keep that cache up to
// date as they go. Used from one thread only, the main thread, as Qt's
// accessibility is: the cache has no lock.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(ChartWidgetBase* chart) : QAccessibleWidget(chart, QAccessible::List), chart_(chart) {}
    ~ChartAccessible() override {
        for (const Known& known : known_) QAccessible::deleteAccessibleInterface(known.id);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? ChartWidgetBase::accessibilityLabel() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return static_cast<int>(elements().size()); }
    QAccessibleInterface* child(int index) const override {
        const auto list = elements();
        if (index < 0 || index >= static_cast<int>(list.size()) || !list[static_cast<std::size_t>(index)]) {
            return nullptr;
        }
        return interfaceFor(list[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto list = elements();
        for (std::size_t i = 0; i < list.size(); ++i) {
            if (child == interfaceFor(list[i])) return static_cast<int>(i);
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        // Later elements lie over earlier ones (the header spans the chart).
        const auto list = elements();
        for (auto it = list.rbegin(); it != list.rend(); ++it) {
            if (*it && toQt((*it)->screenFrame()).contains(QPointF(x, y))) return interfaceFor(*it);
        }
        return nullptr;
    }

private:
    struct Known {
        ElementAccessible* interface;
        QAccessible::Id id;
    };

    std::vector<std::shared_ptr<AccessibilityElement>> elements() const {
        return chart_.isNull() ? std::vector<std::shared_ptr<AccessibilityElement>>{} : chart_->accessibilityChildren();
    }

    QAccessibleInterface* interfaceFor(const std::shared_ptr<AccessibilityElement>& element) const {
        std::erase_if(known_, [](const Known& known) {
            if (!known.interface->expired()) return false;
            QAccessible::deleteAccessibleInterface(known.id);
            return true;
        });
        for (const Known& known : known_) {
            if (known.interface->represents(element)) return known.interface;
        }
        auto* created = new ElementAccessible(chart_.data(), element);
        known_.push_back(Known{created, QAccessible::registerAccessibleInterface(created)});
        return created;
    }

    QPointer<ChartWidgetBase> chart_;
    mutable std::vector<Known> known_;
};

QAccessibleInterface* chartAccessibleFactory(const QString&, QObject* object) {
    if (auto* chart = qobject_cast<ChartWidgetBase*>(object)) return new ChartAccessible(chart);
    return nullptr;
}

} // namespace

ChartWidgetBase::ChartWidgetBase(QWidget* parent) : QWidget(parent) {
    static std::once_flag installed;
    std::call_once(installed, [] { QAccessible::installFactory(chartAccessibleFactory); });
}

ChartWidgetBase::~ChartWidgetBase() = default;

void ChartWidgetBase::setBackgroundColor(const std::optional<QColor>& color) {
    backgroundColor_ = color;
    setAutoFillBackground(color.has_value());
    QPalette palette = this->palette();
    palette.setColor(backgroundRole(), color.value_or(QColor(0, 0, 0, 0)));
    setPalette(palette);
    update();
}

bool ChartWidgetBase::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel: {
        auto* touch = static_cast<QTouchEvent*>(event);
        const QList<QEventPoint>& points = touch->points();
        switch (event->type()) {
        case QEvent::TouchBegin: return touchesBegan(points, touch);
        case QEvent::TouchUpdate: return touchesMoved(points, touch);
        case QEvent::TouchEnd: return touchesEnded(points, touch);
        default: return touchesCancelled(points, touch);
        }
    }
    default: return QWidget::event(event);
    }
}

bool ChartWidgetBase::touchesBegan(const QList<QEventPoint>&, QTouchEvent* event) { return QWidget::event(event); }
bool ChartWidgetBase::touchesMoved(const QList<QEventPoint>&, QTouchEvent* event) { return QWidget::event(event); }
bool ChartWidgetBase::touchesEnded(const QList<QEventPoint>&, QTouchEvent* event) { return QWidget::event(event); }
bool ChartWidgetBase::touchesCancelled(const QList<QEventPoint>&, QTouchEvent* event) { return QWidget::event(event); }

} // namespace charts
