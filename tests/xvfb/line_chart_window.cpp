// A window showing one chart, for the tests that drive it with real X input:
// a line chart, with "--kind candle", "bubble" or "scatter" another chart of
// one set with x and y axes, with "--kind pie" or "--kind radar" one of the
// circular charts, or with "--kind bar" or "--kind horizontalbar" a bar chart
// (or one on its side) of two grouped sets, the second stacked. It reads
// commands on standard input, one a line, and answers each with one line on
// standard output. Every kind answers
//   geometry        the chart's rectangle on the screen: "x y width height"
//   input           what the chart's left-button input was, by the events'
//                   own timestamps: "presses N doubleclicks N releases N
//                   flick VX VY released T", the pointer's velocity over the
//                   last 100 ms before the latest release (pixels per second)
//                   and the chart's x translation at that release
//   quit            closes the window
// The line, candlestick, bubble and scatter charts answer
//   pixel I         where entry I of the first data set is on the screen: "x y"
//   entry I         the value of entry I: "x y"
//   colours I       the colour entry I is drawn in and the colour its
//                   highlight shows in: "item R G B highlight R G B"
//   marks I         the rectangle on the screen where the highlight of entry I
//                   shows: "x0 y0 x1 y1" (the vertical cross-hair line, or the
//                   bubble's outline)
//   value X Y       the chart value under the screen point (X, Y): "x y"
//   spot X Y        where the chart value (X, Y) is on the screen, unrounded:
//                   "x y"
//   state           "highlight X Y scaleX S scaleY S transX T transY T decelerating 0|1"
//                   (highlight "none" when nothing is highlighted)
// The bar charts answer pixel, value, spot and state too, their state ending
// in "set S stack K" (both -1 when nothing is highlighted), and besides
//   bar S I         the middle of bar I of set S on the screen: "x y"
//   segment S I K   the middle of stacked value K of bar I of set S: "x y"
//   fullbar 0|1     full-bar highlighting off or on: "ok"
//   invert 0|1      both value axes upright or inverted: "ok"
// The combined chart ("--kind combined": stacked bars, a line, scatter
// points, candles and bubbles at x 0 to 9, each kind in a band of values of
// its own, and a marker beside a highlighted value) answers pixel, value, spot
// and state too, its state ending in "kind K set S stack K" (the highlighted
// sub-data's kind; "none", -1 and -1 when nothing is highlighted), and besides
//   item KIND I     where entry I of the kind's set is on the screen (a bar's
//                   middle): "x y"
//   segment I K     the middle of stacked value K of bar I: "x y"
// The circular charts answer
//   state           "highlight X SET rotation R decelerating 0|1 radius R"
//                   (highlight "none none" when nothing is highlighted)
//   at A D          the screen point at angle A (degrees, clockwise from the
//                   right) and distance D from the chart's centre: "x y"
// the pie
//   slice I F       the point of slice I's middle at F times the radius: "x y"
// and the radar
//   point S I       where entry I of set S is on the screen: "x y"
//   label I         the middle of spoke I's label on the screen: "x y"
// It prints "ready" once the chart is on the screen.
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include "Charts/combined/CombinedChartView.h"
#include "Charts/data/ChartDataEntry.h"
#include "Charts/foundation/AxisValueFormatter.h"
#include "Charts/foundation/Marker.h"
#include "Charts/render/CircleGeometry.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/HorizontalBarChartView.h"
#include "Charts/types/bubble/BubbleChartDataEntry.h"
#include "Charts/types/bubble/BubbleChartDataSet.h"
#include "Charts/types/bubble/BubbleChartView.h"
#include "Charts/types/bubble/BubbleGeometry.h"
#include "Charts/types/candle/CandleChartDataEntry.h"
#include "Charts/types/candle/CandleChartDataSet.h"
#include "Charts/types/candle/CandleStickChartView.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "Charts/types/pie/PieChartData.h"
#include "Charts/types/pie/PieChartDataEntry.h"
#include "Charts/types/pie/PieChartDataSet.h"
#include "Charts/types/pie/PieChartView.h"
#include "Charts/types/radar/RadarChartData.h"
#include "Charts/types/radar/RadarChartDataEntry.h"
#include "Charts/types/radar/RadarChartDataSet.h"
#include "Charts/types/radar/RadarChartView.h"
#include "Charts/types/scatter/ScatterChartDataSet.h"
#include "Charts/types/scatter/ScatterChartView.h"
#include "Charts/views/GestureTracker.h"
#include "Charts/views/PieRadarChartViewBase.h"
#include "platform/NumberText.h"

namespace {

using namespace charts;

std::shared_ptr<LineChartData> makeData() {
    std::vector<ChartDataEntryPtr> entries;
    for (int i = 0; i <= 20; ++i) {
        const double x = i * 5.0;
        entries.push_back(std::make_shared<ChartDataEntry>(x, 50.0 + 40.0 * std::sin(i * 0.45)));
    }
    auto set = std::make_shared<LineChartDataSet>(entries, QStringLiteral("Curve"));
    set->setLineWidth(2.0);
    set->setCircleRadius(4.0);
    set->setCircleHoleRadius(2.0);
    set->setDrawValuesEnabled(false);
    set->setHighlightLineWidth(3.0);
    auto data = std::make_shared<LineChartData>();
    data->addDataSet(set);
    return data;
}

// Six slices in colours the script looks for.
std::shared_ptr<PieChartData> makePieData() {
    const double values[] = {3, 2, 4, 1, 2.5, 1.5};
    ChartDataSet::Entries entries;
    for (int i = 0; i < 6; ++i)
        entries.push_back(std::make_shared<PieChartDataEntry>(values[i], QStringLiteral("S%1").arg(i)));
    auto set = std::make_shared<PieChartDataSet>(entries, QStringLiteral("Slices"));
    set->setColors({QColor(220, 40, 40), QColor(40, 160, 60), QColor(40, 80, 220), QColor(230, 180, 20),
                    QColor(150, 60, 200), QColor(20, 190, 200)});
    set->setDrawValuesEnabled(false);
    return std::make_shared<PieChartData>(set);
}

// Two sets of eight spokes; a highlighted value gets a magenta ring.
std::shared_ptr<RadarChartData> makeRadarData() {
    ChartData::DataSets sets;
    const double values[2][8] = {{60, 80, 40, 90, 50, 70, 30, 65}, {30, 45, 85, 35, 75, 40, 70, 50}};
    const QColor colors[] = {QColor(40, 80, 220), QColor(40, 160, 60)};
    for (int s = 0; s < 2; ++s) {
        ChartDataSet::Entries entries;
        for (double v : values[s]) entries.push_back(std::make_shared<RadarChartDataEntry>(v));
        auto set = std::make_shared<RadarChartDataSet>(entries, QStringLiteral("Set %1").arg(s));
        set->setColor(colors[s]);
        set->setLineWidth(2);
        set->setDrawValuesEnabled(false);
        set->setDrawHighlightCircleEnabled(true);
        set->setHighlightCircleFillColor(QColor(255, 0, 255));
        set->setHighlightCircleInnerRadius(5);
        set->setHighlightCircleOuterRadius(10);
        set->setDrawHighlightIndicators(false);
        sets.push_back(set);
    }
    return std::make_shared<RadarChartData>(sets);
}

// Two sets of eight bars grouped side by side: plain bars, and stacks of
// three values (the second one below zero on bars 0, 3 and 6).
std::shared_ptr<BarChartData> makeBarData() {
    std::vector<ChartDataEntryPtr> plain;
    std::vector<ChartDataEntryPtr> stacked;
    for (int i = 0; i < 8; ++i) {
        plain.push_back(std::make_shared<BarChartDataEntry>(i, 20.0 + 8.0 * ((i * 5) % 7)));
        stacked.push_back(
            std::make_shared<BarChartDataEntry>(i, std::vector<double>{12.0 + i, i % 3 == 0 ? -10.0 : 15.0, 18.0}));
    }
    auto first = std::make_shared<BarChartDataSet>(plain, QStringLiteral("Plain"));
    first->setColor(QColor(200, 170, 40));
    auto second = std::make_shared<BarChartDataSet>(stacked, QStringLiteral("Stacked"));
    second->setColors({QColor(230, 60, 60), QColor(60, 160, 60), QColor(60, 90, 230)});
    second->setStackLabels({QStringLiteral("Low"), QStringLiteral("Middle"), QStringLiteral("High")});
    for (const auto& set : {first, second}) set->setDrawValuesEnabled(false);
    auto data = std::make_shared<BarChartData>(ChartData::DataSets{first, second});
    data->setBarWidth(0.4);
    return data;
}

// The height of entry i: a sine around 50.
double wave(int i) { return 50.0 + 40.0 * std::sin(i * 0.45); }

constexpr int entryCount = 21;

// One chart of a kind with 21 entries, and what the driver needs to know of
// how it draws them.
class ChartKind {
public:
    virtual ~ChartKind() = default;
    virtual BarLineChartViewBase* chart() const = 0;
    // The colour entry i is drawn in.
    virtual QColor itemColour(int i) const = 0;
    // The colour of the highlight of entry i, and where it shows (chart
    // pixels): by default the vertical cross-hair line across the content.
    virtual QColor highlightColour(int) const {
        return std::dynamic_pointer_cast<IBarLineScatterCandleBubbleChartDataSet>(firstSet())->highlightColor();
    }
    virtual QRectF highlightBox(int i) const {
        const QRectF content = toQt(chart()->viewPortHandler()->contentRect());
        return QRectF(pixel(i).x - 3, content.top(), 7, content.height());
    }

    IChartDataSetPtr firstSet() const { return chart()->data()->getDataSetByIndex(0); }
    Point pixel(int i) const {
        const ChartDataEntryPtr entry = firstSet()->entryForIndex(i);
        return chart()->getPosition(*entry, YAxis::AxisDependency::left);
    }
};

// The line chart of makeData(), with circles.
class LineKind : public ChartKind {
public:
    LineKind() { chart_->setData(makeData()); }
    BarLineChartViewBase* chart() const override { return chart_; }
    QColor itemColour(int i) const override {
        const auto set = std::dynamic_pointer_cast<LineChartDataSet>(firstSet());
        return set ? set->getCircleColor(i).value_or(QColor()) : QColor();
    }

private:
    LineChartView* chart_ = ChartViewBase::create<LineChartView>();
};

// Candle i at x = i (so that its body is wide enough to see and click), its
// shadow 40 high around the wave and its body 20, rising and falling in turn.
class CandleKind : public ChartKind {
public:
    CandleKind() {
        std::vector<ChartDataEntryPtr> entries;
        for (int i = 0; i < entryCount; ++i) {
            const double y = wave(i);
            const double open = i % 2 == 0 ? y - 10 : y + 10;
            entries.push_back(std::make_shared<CandleChartDataEntry>(i, y + 20, y - 20, open, 2 * y - open));
        }
        set_ = std::make_shared<CandleChartDataSet>(entries, QStringLiteral("Prices"));
        set_->setIncreasingColor(QColor(0, 150, 60));
        set_->setDecreasingColor(QColor(200, 40, 40));
        set_->setIncreasingFilled(true);
        set_->setShadowColorSameAsCandle(true);
        set_->setDrawValuesEnabled(false);
        set_->setHighlightLineWidth(3.0);
        chart_->setData(std::make_shared<CandleChartData>(ChartData::DataSets{set_}));
    }
    BarLineChartViewBase* chart() const override { return chart_; }
    QColor itemColour(int i) const override {
        return (i % 2 == 0 ? set_->increasingColor() : set_->decreasingColor()).value_or(QColor());
    }

private:
    CandleStickChartView* chart_ = ChartViewBase::create<CandleStickChartView>();
    std::shared_ptr<CandleChartDataSet> set_;
};

// Bubble i at x = 5 i, of size 3 to 4.5 times one x unit.
class BubbleKind : public ChartKind {
public:
    BubbleKind() {
        std::vector<ChartDataEntryPtr> entries;
        for (int i = 0; i < entryCount; ++i)
            entries.push_back(std::make_shared<BubbleChartDataEntry>(i * 5.0, wave(i), 3.0 + (i % 4) * 0.5));
        set_ = std::make_shared<BubbleChartDataSet>(entries, QStringLiteral("Sizes"));
        set_->setNormalizeSizeEnabled(false);
        set_->setColor(QColor(40, 110, 220));
        set_->setDrawValuesEnabled(false);
        set_->setHighlightCircleWidth(3);
        chart_->setData(std::make_shared<BubbleChartData>(ChartData::DataSets{set_}));
    }
    BarLineChartViewBase* chart() const override { return chart_; }
    QColor itemColour(int i) const override { return set_->color(i); }
    QColor highlightColour(int i) const override { return halfBrightness(set_->color(i * 5)); }
    // The bubble's outline.
    QRectF highlightBox(int i) const override {
        const Point p = pixel(i);
        const double unit = std::abs(chart_->pixelForValues(1, 0, YAxis::AxisDependency::left).x -
                                     chart_->pixelForValues(0, 0, YAxis::AxisDependency::left).x);
        const auto bubble = std::dynamic_pointer_cast<BubbleChartDataEntry>(set_->entryForIndex(i));
        const double diameter = bubbleShapeSize(bubble ? bubble->size() : 0, set_->maxSize(), false,
                                                bubbleReferenceSize(unit, chart_->viewPortHandler()->contentHeight()));
        return QRectF(p.x - diameter / 2 - 3, p.y - diameter / 2 - 3, diameter + 6, diameter + 6);
    }

private:
    BubbleChartView* chart_ = ChartViewBase::create<BubbleChartView>();
    std::shared_ptr<BubbleChartDataSet> set_;
};

// Point i at x = 5 i, as a circle 12 across.
class ScatterKind : public ChartKind {
public:
    ScatterKind() {
        std::vector<ChartDataEntryPtr> entries;
        for (int i = 0; i < entryCount; ++i) entries.push_back(std::make_shared<ChartDataEntry>(i * 5.0, wave(i)));
        set_ = std::make_shared<ScatterChartDataSet>(entries, QStringLiteral("Spots"));
        set_->setScatterShape(ScatterChartDataSet::Shape::circle);
        set_->setScatterShapeSize(12);
        set_->setColor(QColor(150, 60, 200));
        set_->setDrawValuesEnabled(false);
        set_->setHighlightLineWidth(3.0);
        chart_->setData(std::make_shared<ScatterChartData>(ChartData::DataSets{set_}));
    }
    BarLineChartViewBase* chart() const override { return chart_; }
    QColor itemColour(int i) const override { return set_->color(i); }

private:
    ScatterChartView* chart_ = ChartViewBase::create<ScatterChartView>();
    std::shared_ptr<ScatterChartDataSet> set_;
};

std::unique_ptr<ChartKind> makeKind(const QString& kind) {
    if (kind == QLatin1String("line")) return std::make_unique<LineKind>();
    if (kind == QLatin1String("candle")) return std::make_unique<CandleKind>();
    if (kind == QLatin1String("bubble")) return std::make_unique<BubbleKind>();
    if (kind == QLatin1String("scatter")) return std::make_unique<ScatterKind>();
    return nullptr;
}

std::string colour(const QColor& c) {
    return std::to_string(c.red()) + " " + std::to_string(c.green()) + " " + std::to_string(c.blue());
}

std::string number(double value) { return platform::shortestDecimalText(value); }

// The chart's left-button input as the machine delivered it. A busy machine
// can deliver a gesture other than the one meant (the clicks of a double
// click too far apart, a drag whose last moves stalled before the release);
// the script reads this to tell such a gesture from a fault of the chart and
// repeat it.
class InputLog : public QObject {
public:
    explicit InputLog(ChartViewBase* chart) : chart_(chart) { chart->installEventFilter(this); }

    std::string text() const {
        return "presses " + std::to_string(presses_) + " doubleclicks " + std::to_string(doubleClicks_) + " releases " +
               std::to_string(releases_) + " flick " + number(flick_.x) + " " + number(flick_.y) + " released " +
               number(releasedTransX_) + " rotation " + number(releasedRotation_);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonDblClick && type != QEvent::MouseMove &&
            type != QEvent::MouseButtonRelease)
            return QObject::eventFilter(watched, event);
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const Point position{mouse->position().x(), mouse->position().y()};
        if (type == QEvent::MouseMove) {
            if (mouse->buttons() & Qt::LeftButton) pointer_.add(position, mouse->timestamp());
        } else if (mouse->button() == Qt::LeftButton) {
            if (type == QEvent::MouseButtonRelease) {
                ++releases_;
                pointer_.add(position, mouse->timestamp());
                flick_ = pointer_.velocity();
                releasedTransX_ = chart_->viewPortHandler()->transX();
                // What the drag turned a circle chart to, before any glide.
                if (const auto* circle = dynamic_cast<const PieRadarChartViewBase*>(chart_))
                    releasedRotation_ = circle->rotationAngle();
            } else {
                ++(type == QEvent::MouseButtonPress ? presses_ : doubleClicks_);
                pointer_.clear();
                pointer_.add(position, mouse->timestamp());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ChartViewBase* chart_;
    PanVelocityTracker pointer_;
    int presses_ = 0;
    int doubleClicks_ = 0;
    int releases_ = 0;
    Point flick_;
    double releasedTransX_ = 0;
    double releasedRotation_ = 0;
};

// Reads the commands and hands each to the kind's answer.
class Driver : public QObject {
public:
    explicit Driver(ChartViewBase* chart)
        : view_(chart),
          input_(chart),
          notifier_(STDIN_FILENO, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { readInput(); });
    }

protected:
    void reply(const std::string& line) {
        std::fputs((line + "\n").c_str(), stdout);
        std::fflush(stdout);
    }
    std::string screenPoint(Point local) {
        const QPoint origin = view_->mapToGlobal(QPoint(0, 0));
        return number(origin.x() + local.x) + " " + number(origin.y() + local.y);
    }
    // The kind's own commands; false for one it does not know.
    virtual bool answerKind(const QStringList& words) = 0;

private:
    void readInput() {
        char chunk[512];
        const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
        if (n <= 0) {
            QApplication::quit();
            return;
        }
        buffer_.append(chunk, static_cast<std::size_t>(n));
        std::size_t end = 0;
        while ((end = buffer_.find('\n')) != std::string::npos) {
            const std::string line = buffer_.substr(0, end);
            buffer_.erase(0, end + 1);
            answer(QString::fromStdString(line).split(QLatin1Char(' '), Qt::SkipEmptyParts));
        }
    }

    void answer(const QStringList& words) {
        if (words.isEmpty()) return;
        const QString command = words.front();
        if (command == QLatin1String("quit")) {
            reply("bye");
            QApplication::quit();
        } else if (command == QLatin1String("geometry")) {
            const QPoint origin = view_->mapToGlobal(QPoint(0, 0));
            reply(std::to_string(origin.x()) + " " + std::to_string(origin.y()) + " " + std::to_string(view_->width()) +
                  " " + std::to_string(view_->height()));
        } else if (command == QLatin1String("input")) {
            reply(input_.text());
        } else if (!answerKind(words)) {
            reply("unknown");
        }
    }

    ChartViewBase* view_;
    InputLog input_;
    QSocketNotifier notifier_;
    std::string buffer_;
};

// The charts with x and y axes: the line chart and the bar charts.
class LineDriver : public Driver {
public:
    explicit LineDriver(BarLineChartViewBase* chart) : Driver(chart), chart_(chart) {}

protected:
    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        if (command == QLatin1String("pixel") && words.size() == 2) {
            const auto set = chart_->data()->getDataSetByIndex(0);
            const auto entry = set ? set->entryForIndex(words[1].toInt()) : nullptr;
            if (!entry) {
                reply("none");
                return true;
            }
            const Point p = chart_->getPosition(*entry, YAxis::AxisDependency::left);
            const QPoint global =
                chart_->mapToGlobal(QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))));
            reply(std::to_string(global.x()) + " " + std::to_string(global.y()));
        } else if (command == QLatin1String("value") && words.size() == 3) {
            const QPoint local = chart_->mapFromGlobal(QPoint(words[1].toInt(), words[2].toInt()));
            const Point v =
                chart_->valueForTouchPoint(Point{double(local.x()), double(local.y())}, YAxis::AxisDependency::left);
            reply(number(v.x) + " " + number(v.y));
        } else if (command == QLatin1String("spot") && words.size() == 3) {
            const Point p =
                chart_->pixelForValues(words[1].toDouble(), words[2].toDouble(), YAxis::AxisDependency::left);
            const QPoint origin = chart_->mapToGlobal(QPoint(0, 0));
            reply(number(origin.x() + p.x) + " " + number(origin.y() + p.y));
        } else if (command == QLatin1String("state")) {
            reply(stateText());
        } else {
            return false;
        }
        return true;
    }

    virtual std::string stateText() const {
        std::string line = "highlight ";
        if (chart_->highlighted().empty()) {
            line += "none none";
        } else {
            line += number(chart_->highlighted().front()->x()) + " " + number(chart_->highlighted().front()->y());
        }
        const auto& handler = chart_->viewPortHandler();
        line += " scaleX " + number(handler->scaleX()) + " scaleY " + number(handler->scaleY()) + " transX " +
                number(handler->transX()) + " transY " + number(handler->transY()) + " decelerating " +
                (chart_->isDecelerating() ? "1" : "0");
        return line;
    }

private:
    BarLineChartViewBase* chart_;
};

// The line, candlestick, bubble and scatter charts: besides, each entry's
// value, its colours and where its highlight shows.
class KindDriver : public LineDriver {
public:
    explicit KindDriver(std::unique_ptr<ChartKind> kind) : LineDriver(kind->chart()), kind_(std::move(kind)) {}

private:
    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        if (command == QLatin1String("entry") && words.size() == 2) {
            const auto entry = kind_->firstSet()->entryForIndex(words[1].toInt());
            reply(entry ? number(entry->x()) + " " + number(entry->y()) : "none");
        } else if (command == QLatin1String("colours") && words.size() == 2) {
            const int i = words[1].toInt();
            reply("item " + colour(kind_->itemColour(i)) + " highlight " + colour(kind_->highlightColour(i)));
        } else if (command == QLatin1String("marks") && words.size() == 2) {
            const QRectF box = kind_->highlightBox(words[1].toInt());
            reply(screenPoint(Point{std::floor(box.left()), std::floor(box.top())}) + " " +
                  screenPoint(Point{std::ceil(box.right()), std::ceil(box.bottom())}));
        } else {
            return LineDriver::answerKind(words);
        }
        return true;
    }

    std::unique_ptr<ChartKind> kind_;
};

// The bar charts: bars and stacked values by position, the highlighted set
// and stack, full-bar highlighting and inverted value axes.
class BarDriver : public LineDriver {
public:
    explicit BarDriver(BarChartView* bars) : LineDriver(bars), bars_(bars) {}

private:
    std::string stateText() const override {
        const HighlightPtr shown = bars_->highlighted().empty() ? nullptr : bars_->highlighted().front();
        return LineDriver::stateText() + " set " + std::to_string(shown ? shown->dataSetIndex() : -1) + " stack " +
               std::to_string(shown ? shown->stackIndex() : -1);
    }

    // The screen point of a value point (x along the entries, y the value);
    // a horizontal chart takes them the other way round.
    std::string barScreenPoint(double x, double y) {
        const bool sideways = dynamic_cast<HorizontalBarChartView*>(bars_) != nullptr;
        const Point p = sideways ? bars_->pixelForValues(y, x, YAxis::AxisDependency::left)
                                 : bars_->pixelForValues(x, y, YAxis::AxisDependency::left);
        return screenPoint(Point{std::round(p.x), std::round(p.y)});
    }

    std::shared_ptr<BarChartDataEntry> barEntry(const QStringList& words) const {
        const auto set = bars_->data() ? bars_->data()->getDataSetByIndex(words[1].toInt()) : nullptr;
        return set ? std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(words[2].toInt())) : nullptr;
    }

    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        if (command == QLatin1String("bar") && words.size() == 3) {
            const auto entry = barEntry(words);
            reply(entry ? barScreenPoint(entry->x(), entry->y() / 2) : "none");
        } else if (command == QLatin1String("segment") && words.size() == 4) {
            const auto entry = barEntry(words);
            const auto k = static_cast<std::size_t>(words[3].toInt());
            if (!entry || !entry->ranges() || k >= entry->ranges()->size()) {
                reply("none");
            } else {
                const Range& range = (*entry->ranges())[k];
                reply(barScreenPoint(entry->x(), (range.from() + range.to()) / 2));
            }
        } else if (command == QLatin1String("fullbar") && words.size() == 2) {
            bars_->setHighlightFullBarEnabled(words[1] == QLatin1String("1"));
            reply("ok");
        } else if (command == QLatin1String("invert") && words.size() == 2) {
            bars_->leftAxis()->setInverted(words[1] == QLatin1String("1"));
            bars_->rightAxis()->setInverted(words[1] == QLatin1String("1"));
            bars_->notifyDataSetChanged();
            reply("ok");
        } else {
            return LineDriver::answerKind(words);
        }
        return true;
    }

    BarChartView* bars_;
};

// Every kind at x 0 to 9, each in its own band of values so that a click
// on one finds it: stacked bars of three values (totals 30 to 39), candles
// about 60, a line about 86, scatter points about 108 and bubbles about 128.
std::shared_ptr<CombinedChartData> makeCombinedData() {
    std::vector<ChartDataEntryPtr> bars, candles, line, points, bubbles;
    for (int i = 0; i < 10; ++i) {
        const double x = i;
        bars.push_back(
            std::make_shared<BarChartDataEntry>(x, std::vector<double>{10.0 + i % 3, 10.0 + i % 4, 10.0 + i % 5}));
        const double mid = 60 + 4 * std::sin(i * 0.9);
        const double open = i % 2 == 0 ? mid - 4 : mid + 4;
        candles.push_back(std::make_shared<CandleChartDataEntry>(x, mid + 8, mid - 8, open, 2 * mid - open));
        line.push_back(std::make_shared<ChartDataEntry>(x, 86 + 4 * std::sin(i * 0.7)));
        points.push_back(std::make_shared<ChartDataEntry>(x, 108 + 3 * std::cos(i * 0.8)));
        bubbles.push_back(std::make_shared<BubbleChartDataEntry>(x, 128, 0.4 + (i % 3) * 0.1));
    }
    auto barSet = std::make_shared<BarChartDataSet>(bars, QStringLiteral("Stacks"));
    barSet->setColors({QColor(230, 60, 60), QColor(60, 160, 60), QColor(60, 90, 230)});
    barSet->setStackLabels({QStringLiteral("Low"), QStringLiteral("Middle"), QStringLiteral("High")});
    auto candleSet = std::make_shared<CandleChartDataSet>(candles, QStringLiteral("Prices"));
    candleSet->setIncreasingColor(QColor(0, 150, 60));
    candleSet->setDecreasingColor(QColor(200, 40, 40));
    candleSet->setIncreasingFilled(true);
    candleSet->setShadowColorSameAsCandle(true);
    auto lineSet = std::make_shared<LineChartDataSet>(line, QStringLiteral("Curve"));
    lineSet->setColor(QColor(40, 80, 220));
    lineSet->setCircleColor(QColor(40, 80, 220));
    lineSet->setLineWidth(2.0);
    lineSet->setCircleRadius(4.0);
    lineSet->setCircleHoleRadius(2.0);
    lineSet->setHighlightColor(QColor(230, 0, 120));
    lineSet->setHighlightLineWidth(3.0);
    auto pointSet = std::make_shared<ScatterChartDataSet>(points, QStringLiteral("Spots"));
    pointSet->setScatterShape(ScatterChartDataSet::Shape::circle);
    pointSet->setScatterShapeSize(10);
    pointSet->setColor(QColor(150, 60, 200));
    auto bubbleSet = std::make_shared<BubbleChartDataSet>(bubbles, QStringLiteral("Sizes"));
    bubbleSet->setNormalizeSizeEnabled(false);
    bubbleSet->setColor(QColor(20, 190, 200));
    auto data = std::make_shared<CombinedChartData>();
    auto barData = std::make_shared<BarChartData>(ChartData::DataSets{barSet});
    barData->setBarWidth(0.5);
    data->setBarData(barData);
    data->setCandleData(std::make_shared<CandleChartData>(ChartData::DataSets{candleSet}));
    data->setLineData(std::make_shared<LineChartData>(ChartData::DataSets{lineSet}));
    data->setScatterData(std::make_shared<ScatterChartData>(ChartData::DataSets{pointSet}));
    data->setBubbleData(std::make_shared<BubbleChartData>(ChartData::DataSets{bubbleSet}));
    for (const auto& set : data->dataSets()) set->setDrawValuesEnabled(false);
    return data;
}

// A magenta box beside a highlighted value.
std::shared_ptr<MarkerImage> makeMarker() {
    QImage box(36, 18, QImage::Format_ARGB32_Premultiplied);
    box.fill(QColor(255, 0, 255));
    auto marker = std::make_shared<MarkerImage>();
    marker->setImage(box);
    marker->setOffset(Point{10, -28});
    return marker;
}

const char* kindName(const std::shared_ptr<ChartData>& data) {
    if (std::dynamic_pointer_cast<BarChartData>(data)) return "bar";
    if (std::dynamic_pointer_cast<LineChartData>(data)) return "line";
    if (std::dynamic_pointer_cast<CandleChartData>(data)) return "candle";
    if (std::dynamic_pointer_cast<ScatterChartData>(data)) return "scatter";
    if (std::dynamic_pointer_cast<BubbleChartData>(data)) return "bubble";
    return "none";
}

// The combined chart: entries of each kind, bars and their stacked values,
// and the highlighted sub-data's kind.
class CombinedDriver : public LineDriver {
public:
    explicit CombinedDriver(CombinedChartView* chart) : LineDriver(chart), chart_(chart) {}

private:
    std::string stateText() const override {
        const HighlightPtr shown = chart_->highlighted().empty() ? nullptr : chart_->highlighted().front();
        const auto sub = shown ? chart_->combinedData()->dataByIndex(shown->dataIndex()) : nullptr;
        return LineDriver::stateText() + " kind " + kindName(sub) + " set " +
               std::to_string(shown ? shown->dataSetIndex() : -1) + " stack " +
               std::to_string(shown ? shown->stackIndex() : -1);
    }

    std::string at(double x, double y) {
        const Point p = chart_->pixelForValues(x, y, YAxis::AxisDependency::left);
        return screenPoint(Point{std::round(p.x), std::round(p.y)});
    }

    ChartDataEntryPtr entryOf(const QString& kind, int i) const {
        for (const auto& sub : chart_->combinedData()->allData())
            if (kind == QLatin1String(kindName(sub)))
                if (const auto set = sub->getDataSetByIndex(0)) return set->entryForIndex(i);
        return nullptr;
    }

    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        if (command == QLatin1String("item") && words.size() == 3) {
            const auto entry = entryOf(words[1], words[2].toInt());
            reply(!entry ? "none" : at(entry->x(), words[1] == QLatin1String("bar") ? entry->y() / 2 : entry->y()));
        } else if (command == QLatin1String("segment") && words.size() == 3) {
            const auto entry = std::dynamic_pointer_cast<BarChartDataEntry>(entryOf("bar", words[1].toInt()));
            const auto k = static_cast<std::size_t>(words[2].toInt());
            if (!entry || !entry->ranges() || k >= entry->ranges()->size()) {
                reply("none");
            } else {
                const Range& range = (*entry->ranges())[k];
                reply(at(entry->x(), (range.from() + range.to()) / 2));
            }
        } else {
            return LineDriver::answerKind(words);
        }
        return true;
    }

    CombinedChartView* chart_;
};

// The pie and the radar: rotation, highlight and points about the centre.
class CircleDriver : public Driver {
public:
    explicit CircleDriver(PieRadarChartViewBase* chart) : Driver(chart), circle_(chart) {}

protected:
    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        if (command == QLatin1String("state")) {
            std::string line = "highlight ";
            if (circle_->highlighted().empty()) {
                line += "none none";
            } else {
                const HighlightPtr& h = circle_->highlighted().front();
                line += number(h->x()) + " " + std::to_string(h->dataSetIndex());
            }
            line += " rotation " + number(circle_->rotationAngle()) + " decelerating " +
                    (circle_->isDecelerating() ? "1" : "0") + " radius " + number(circle_->radius());
            reply(line);
        } else if (command == QLatin1String("at") && words.size() == 3) {
            reply(screenPoint(pointOnCircle(center(), words[2].toDouble(), words[1].toDouble())));
        } else {
            return false;
        }
        return true;
    }
    virtual Point center() const { return circle_->centerOffsets(); }

private:
    PieRadarChartViewBase* circle_;
};

class PieDriver : public CircleDriver {
public:
    explicit PieDriver(PieChartView* pie) : CircleDriver(pie), pie_(pie) {}

private:
    Point center() const override { return pie_->centerCircleBox(); }
    bool answerKind(const QStringList& words) override {
        if (words.front() == QLatin1String("slice") && words.size() == 3) {
            const auto i = static_cast<std::size_t>(words[1].toInt());
            if (i >= pie_->drawAngles().size()) {
                reply("none");
                return true;
            }
            const double middle = pie_->rotationAngle() + pie_->absoluteAngles()[i] - pie_->drawAngles()[i] / 2;
            reply(screenPoint(pointOnCircle(center(), words[2].toDouble() * pie_->radius(), middle)));
            return true;
        }
        return CircleDriver::answerKind(words);
    }

    PieChartView* pie_;
};

class RadarDriver : public CircleDriver {
public:
    explicit RadarDriver(RadarChartView* radar) : CircleDriver(radar), radar_(radar) {}

private:
    bool answerKind(const QStringList& words) override {
        const QString command = words.front();
        const RadarFrameGeometry g = radar_->frameGeometry();
        if (command == QLatin1String("point") && words.size() == 3) {
            const auto set = radar_->data()->getDataSetByIndex(words[1].toInt());
            const auto entry = set ? set->entryForIndex(words[2].toInt()) : nullptr;
            if (!entry) {
                reply("none");
                return true;
            }
            reply(screenPoint(g.point(words[2].toDouble(), entry->y())));
        } else if (command == QLatin1String("label") && words.size() == 2) {
            const XAxis& x = *radar_->xAxis();
            const double distance = radar_->yRange() * g.factor + x.labelRotatedWidth() / 2;
            reply(screenPoint(pointOnCircle(g.center, distance, g.spokeAngle(words[1].toDouble()))));
        } else {
            return CircleDriver::answerKind(words);
        }
        return true;
    }

    RadarChartView* radar_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    const qsizetype kindAt = arguments.indexOf(QStringLiteral("--kind"));
    const QString kind = kindAt >= 0 && kindAt + 1 < arguments.size() ? arguments[kindAt + 1] : QStringLiteral("line");
    ChartViewBase* chart = nullptr;
    std::unique_ptr<Driver> driver;
    if (kind == QLatin1String("pie")) {
        auto* pie = ChartViewBase::create<PieChartView>();
        pie->setData(makePieData());
        driver = std::make_unique<PieDriver>(pie);
        chart = pie;
    } else if (kind == QLatin1String("radar")) {
        auto* radar = ChartViewBase::create<RadarChartView>();
        radar->xAxis()->setLabelTextColor(QColor(200, 0, 0));
        radar->xAxis()->setLabelFont(pixelSizedFont(radar->xAxis()->labelFont(), 14));
        radar->xAxis()->setValueFormatter(std::make_shared<IndexAxisValueFormatter>(
            std::vector<QString>{"N", "NE", "E", "SE", "S", "SW", "W", "NW"}));
        radar->setData(makeRadarData());
        driver = std::make_unique<RadarDriver>(radar);
        chart = radar;
    } else if (kind == QLatin1String("bar") || kind == QLatin1String("horizontalbar")) {
        BarChartView* bars = kind == QLatin1String("bar") ? ChartViewBase::create<BarChartView>()
                                                          : ChartViewBase::create<HorizontalBarChartView>();
        bars->setData(makeBarData());
        bars->groupBars(0, 0.12, 0.04);
        driver = std::make_unique<BarDriver>(bars);
        chart = bars;
    } else if (kind == QLatin1String("combined")) {
        auto* combined = ChartViewBase::create<CombinedChartView>();
        combined->setData(makeCombinedData());
        combined->xAxis()->setSpaceMin(0.5);
        combined->xAxis()->setSpaceMax(0.5);
        combined->leftAxis()->setAxisMinimum(0);
        combined->rightAxis()->setAxisMinimum(0);
        combined->setMarker(makeMarker());
        combined->notifyDataSetChanged();
        driver = std::make_unique<CombinedDriver>(combined);
        chart = combined;
    } else if (std::unique_ptr<ChartKind> cartesian = makeKind(kind)) {
        chart = cartesian->chart();
        driver = std::make_unique<KindDriver>(std::move(cartesian));
    } else {
        std::fprintf(stderr, "unknown chart kind %s\n", qPrintable(kind));
        return 2;
    }
    chart->setWindowTitle(kind + QStringLiteral(" chart"));
    chart->setGeometry(0, 0, 640, 400);
    chart->show();
    // Ready once the window is mapped and has painted.
    QTimer::singleShot(300, [chart] {
        chart->activateWindow();
        chart->repaint();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    const int status = application.exec();
    driver.reset();
    delete chart;
    return status;
}
