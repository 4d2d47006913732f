// A window showing one line chart, for the tests that drive it with real X
// input. It reads commands on standard input, one a line, and answers each
// with one line on standard output:
//   geometry        the chart's rectangle on the screen: "x y width height"
//   pixel I         where entry I of the first data set is on the screen: "x y"
//   value X Y       the chart value under the screen point (X, Y): "x y"
//   spot X Y        where the chart value (X, Y) is on the screen, unrounded:
//                   "x y"
//   state           "highlight X Y scaleX S scaleY S transX T transY T decelerating 0|1"
//                   (highlight "none" when nothing is highlighted)
//   input           what the chart's left-button input was, by the events'
//                   own timestamps: "presses N doubleclicks N releases N
//                   flick VX VY released T", the pointer's velocity over the
//                   last 100 ms before the latest release (pixels per second)
//                   and the chart's x translation at that release
//   quit            closes the window
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

std::string number(double value) { return platform::shortestDecimalText(value); }

// The chart's left-button input as the machine delivered it. A busy machine
// can deliver a gesture other than the one meant (the clicks of a double
// click too far apart, a drag whose last moves stalled before the release);
// the script reads this to tell such a gesture from a fault of the chart and
// repeat it.
class InputLog : public QObject {
public:
    explicit InputLog(LineChartView* chart) : chart_(chart) { chart->installEventFilter(this); }

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
    LineChartView* chart_;
    PanVelocityTracker pointer_;
    int presses_ = 0;
    int doubleClicks_ = 0;
    int releases_ = 0;
    Point flick_;
    double releasedTransX_ = 0;
};

class Driver : public QObject {
public:
    explicit Driver(LineChartView* chart)
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
            reply(line);
        } else {
            reply("unknown");
        }
    }

    LineChartView* chart_;
    InputLog input_;
    QSocketNotifier notifier_;
    std::string buffer_;
};

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    auto* chart = ChartViewBase::create<LineChartView>();
    chart->setWindowTitle(QStringLiteral("Line chart"));
    chart->setData(makeData());
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
