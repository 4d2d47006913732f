// A window showing one chart, for the tests that drive it with real X input:
// a line chart, or with --kind bar or --kind horizontalbar a bar chart (or
// one on its side) of two grouped sets, the second one stacked. It reads
// commands on standard input, one a line, and answers each with one line on
// standard output:
//   geometry        the chart's rectangle on the screen: "x y width height"
//   pixel I         where entry I of the first data set is on the screen: "x y"
//   value X Y       the chart value under the screen point (X, Y): "x y"
//   spot X Y        where the chart value (X, Y) is on the screen, unrounded:
//                   "x y"
//   state           "highlight X Y scaleX S scaleY S transX T transY T decelerating 0|1
//                   set S stack K" (highlight "none" and set and stack -1 when
//                   nothing is highlighted)
//   input           what the chart's left-button input was, by the events'
//                   own timestamps: "presses N doubleclicks N releases N
//                   flick VX VY released T", the pointer's velocity over the
//                   last 100 ms before the latest release (pixels per second)
//                   and the chart's x translation at that release
//   quit            closes the window
// and for the bar charts:
//   bar S I         the middle of bar I of set S on the screen: "x y"
//   segment S I K   the middle of stacked value K of bar I of set S: "x y"
//   fullbar 0|1     full-bar highlighting off or on: "ok"
//   invert 0|1      both value axes upright or inverted: "ok"
// It prints "ready" once the chart is on the screen.
#include <cmath>
#include <cstdio>
#include <string>
#include <unistd.h>

#include <QApplication>
#include <QMouseEvent>
#include <QSocketNotifier>
#include <QStringList>
#include <QTimer>

#include "Charts/data/ChartDataEntry.h"
#include "Charts/types/bar/BarChartData.h"
#include "Charts/types/bar/BarChartDataSet.h"
#include "Charts/types/bar/HorizontalBarChartView.h"
#include "Charts/types/line/LineChartData.h"
#include "Charts/types/line/LineChartDataSet.h"
#include "Charts/types/line/LineChartView.h"
#include "Charts/views/GestureTracker.h"
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

// Two sets of eight bars grouped side by side: plain bars, and stacks of
// three values (one of them below zero on some bars).
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

std::string number(double value) { return platform::shortestDecimalText(value); }

// The chart's left-button input as the machine delivered it. A busy machine
// can deliver a gesture other than the one meant (the clicks of a double
// click too far apart, a drag whose last moves stalled before the release);
// the script reads this to tell such a gesture from a fault of the chart and
// repeat it.
class InputLog : public QObject {
public:
    explicit InputLog(BarLineChartViewBase* chart) : chart_(chart) { chart->installEventFilter(this); }

    std::string text() const {
        return "presses " + std::to_string(presses_) + " doubleclicks " + std::to_string(doubleClicks_) + " releases " +
               std::to_string(releases_) + " flick " + number(flick_.x) + " " + number(flick_.y) + " released " +
               number(releasedTransX_);
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
            } else {
                ++(type == QEvent::MouseButtonPress ? presses_ : doubleClicks_);
                pointer_.clear();
                pointer_.add(position, mouse->timestamp());
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    BarLineChartViewBase* chart_;
    PanVelocityTracker pointer_;
    int presses_ = 0;
    int doubleClicks_ = 0;
    int releases_ = 0;
    Point flick_;
    double releasedTransX_ = 0;
};

class Driver : public QObject {
public:
    explicit Driver(BarLineChartViewBase* chart)
        : chart_(chart),
          input_(chart),
          notifier_(STDIN_FILENO, QSocketNotifier::Read) {
        connect(&notifier_, &QSocketNotifier::activated, this, [this] { readInput(); });
    }

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

    void reply(const std::string& line) {
        std::fputs((line + "\n").c_str(), stdout);
        std::fflush(stdout);
    }

    void answer(const QStringList& words) {
        if (words.isEmpty()) return;
        const QString command = words.front();
        if (command == QLatin1String("quit")) {
            reply("bye");
            QApplication::quit();
        } else if (command == QLatin1String("geometry")) {
            const QPoint origin = chart_->mapToGlobal(QPoint(0, 0));
            reply(std::to_string(origin.x()) + " " + std::to_string(origin.y()) + " " +
                  std::to_string(chart_->width()) + " " + std::to_string(chart_->height()));
        } else if (command == QLatin1String("pixel") && words.size() == 2) {
            const auto set = chart_->data()->getDataSetByIndex(0);
            const auto entry = set ? set->entryForIndex(words[1].toInt()) : nullptr;
            if (!entry) {
                reply("none");
                return;
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
        } else if (command == QLatin1String("input")) {
            reply(input_.text());
        } else if (command == QLatin1String("state")) {
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
            const HighlightPtr shown = chart_->highlighted().empty() ? nullptr : chart_->highlighted().front();
            line += " set " + std::to_string(shown ? shown->dataSetIndex() : -1) + " stack " +
                    std::to_string(shown ? shown->stackIndex() : -1);
            reply(line);
        } else if (!answerBars(command, words)) {
            reply("unknown");
        }
    }

    // The screen point of a value point (x along the entries, y the value)
    // of a bar chart; a horizontal one takes them the other way round.
    QPoint barScreenPoint(double x, double y) const {
        const bool sideways = dynamic_cast<HorizontalBarChartView*>(chart_) != nullptr;
        const Point p = sideways ? chart_->pixelForValues(y, x, YAxis::AxisDependency::left)
                                 : chart_->pixelForValues(x, y, YAxis::AxisDependency::left);
        return chart_->mapToGlobal(QPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y))));
    }

    std::shared_ptr<BarChartDataEntry> barEntry(const QStringList& words) const {
        const auto set = chart_->data() ? chart_->data()->getDataSetByIndex(words[1].toInt()) : nullptr;
        return set ? std::dynamic_pointer_cast<BarChartDataEntry>(set->entryForIndex(words[2].toInt())) : nullptr;
    }

    // The commands of the bar charts; false for another command.
    bool answerBars(const QString& command, const QStringList& words) {
        auto* bars = dynamic_cast<BarChartView*>(chart_);
        if (!bars) return false;
        if (command == QLatin1String("bar") && words.size() == 3) {
            const auto entry = barEntry(words);
            if (!entry) {
                reply("none");
            } else {
                const QPoint p = barScreenPoint(entry->x(), entry->y() / 2);
                reply(std::to_string(p.x()) + " " + std::to_string(p.y()));
            }
        } else if (command == QLatin1String("segment") && words.size() == 4) {
            const auto entry = barEntry(words);
            const auto k = static_cast<std::size_t>(words[3].toInt());
            if (!entry || !entry->ranges() || k >= entry->ranges()->size()) {
                reply("none");
            } else {
                const Range& range = (*entry->ranges())[k];
                const QPoint p = barScreenPoint(entry->x(), (range.from() + range.to()) / 2);
                reply(std::to_string(p.x()) + " " + std::to_string(p.y()));
            }
        } else if (command == QLatin1String("fullbar") && words.size() == 2) {
            bars->setHighlightFullBarEnabled(words[1] == QLatin1String("1"));
            reply("ok");
        } else if (command == QLatin1String("invert") && words.size() == 2) {
            bars->leftAxis()->setInverted(words[1] == QLatin1String("1"));
            bars->rightAxis()->setInverted(words[1] == QLatin1String("1"));
            bars->notifyDataSetChanged();
            reply("ok");
        } else {
            return false;
        }
        return true;
    }

    BarLineChartViewBase* chart_;
    InputLog input_;
    QSocketNotifier notifier_;
    std::string buffer_;
};

} // namespace

// The chart the arguments ask for: --kind line (the default), bar or
// horizontalbar.
BarLineChartViewBase* makeChart(const QStringList& arguments) {
    const qsizetype at = arguments.indexOf(QStringLiteral("--kind"));
    const QString kind = at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QStringLiteral("line");
    if (kind == QLatin1String("bar") || kind == QLatin1String("horizontalbar")) {
        BarChartView* chart = kind == QLatin1String("bar") ? ChartViewBase::create<BarChartView>()
                                                           : ChartViewBase::create<HorizontalBarChartView>();
        chart->setWindowTitle(kind == QLatin1String("bar") ? QStringLiteral("Bar chart")
                                                           : QStringLiteral("Horizontal bar chart"));
        chart->setData(makeBarData());
        chart->groupBars(0, 0.12, 0.04);
        return chart;
    }
    auto* chart = ChartViewBase::create<LineChartView>();
    chart->setWindowTitle(QStringLiteral("Line chart"));
    chart->setData(makeData());
    return chart;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    BarLineChartViewBase* chart = makeChart(QApplication::arguments());
    chart->setGeometry(0, 0, 640, 400);
    chart->show();
    Driver driver(chart);
    // Ready once the window is mapped and has painted.
    QTimer::singleShot(300, [chart] {
        chart->activateWindow();
        chart->repaint();
        std::fputs("ready\n", stdout);
        std::fflush(stdout);
    });
    const int status = application.exec();
    delete chart;
    return status;
}
