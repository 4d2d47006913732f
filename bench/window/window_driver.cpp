// The application's main window on a real display for the slider-step
// measurements (slider_steps.py), reporting only what the script needs to
// aim its X input, one line each:
//
//   pid <n>                           the process, for its memory figures
//   ready <name> <x> <y> <w> <h>      where a control is on screen (global pixels)
//   handle <slider> <x> <y>           the centre of a slider's knob
//   dialog <title>                    a file dialog has opened (after its "ready dialog")
//   at <event> <ms>                   when a file dialog closed ("dialog-closed"), the
//                                     preview painted ("paint-grey", "paint-toned"), a
//                                     graph painted ("paint-graph") and a slider took a
//                                     step ("slider"), on the monotonic clock the script
//                                     reads too
//
//   window_driver window [WEDGE QUAD]  the window, until it closes; the two
//       files are dropped on the linearization screen first
//   window_driver read FILE ROUNDS     the product's reader on an image file,
//       "read <first ms> <median ms of the others> <width> <height>": the
//       first read in a process loads the decoder too; every picture is kept
//       to the end, so that each read writes fresh memory, as an open does
#include <QApplication>
#include <QEvent>
#include <QFileDialog>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/graphs/MeasurementGraph.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/PreviewImageFile.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"

namespace {

void printLine(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printGeometry(const QString& name, const QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    printLine(QStringLiteral("ready %1 %2 %3 %4 %5")
                  .arg(name)
                  .arg(origin.x())
                  .arg(origin.y())
                  .arg(widget->width())
                  .arg(widget->height()));
}

void printHandle(QSlider* slider) {
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.orientation = slider->orientation();
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->sliderPosition();
    option.sliderValue = slider->value();
    option.subControls = QStyle::SC_SliderHandle;
    const QRect knob = slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
    const QPoint centre = slider->mapToGlobal(knob.center());
    printLine(QStringLiteral("handle %1 %2 %3").arg(slider->objectName()).arg(centre.x()).arg(centre.y()));
}

double monotonicMilliseconds() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void printAt(const char* event) { printLine(QStringLiteral("at %1 %2").arg(event).arg(monotonicMilliseconds(), 0, 'f', 3)); }

// Notes when the preview paints and when a file dialog closes.
class Moments final : public QObject {
public:
    Moments(appui::ColorPreviewImageView* preview, std::vector<QWidget*> graphs)
        : preview_(preview),
          graphs_(std::move(graphs)) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            if (watched == preview_ && preview_->hasImage())
                printAt(preview_->showsToned() ? "paint-toned" : "paint-grey");
            if (std::find(graphs_.begin(), graphs_.end(), watched) != graphs_.end()) printAt("paint-graph");
        }
        if (event->type() == QEvent::Hide && qobject_cast<QFileDialog*>(watched)) printAt("dialog-closed");
        return false;
    }

private:
    appui::ColorPreviewImageView* preview_;
    std::vector<QWidget*> graphs_;
};

int readRounds(const char* file, int rounds) {
    std::vector<double> times;
    std::vector<QImage> kept;
    for (int i = 0; i < rounds; ++i) {
        const auto start = std::chrono::steady_clock::now();
        auto picture = appui::readPreviewImage(file);
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!picture) return 1;
        kept.push_back(std::move(*picture));
    }
    const QSize size = kept.back().size();
    const double first = times.front();
    std::vector<double> others(times.begin() + 1, times.end());
    std::sort(others.begin(), others.end());
    const double warm = others.empty() ? first : others[others.size() / 2];
    printLine(QStringLiteral("read %1 %2 %3 %4").arg(first, 0, 'f', 2).arg(warm, 0, 'f', 2).arg(size.width()).arg(size.height()));
    return 0;
}

int runWindow(const std::vector<std::filesystem::path>& linearizationFiles) {
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    appui::ApplicationShell shell;
    auto& window = shell.mainWindow();
    // Placed and sized as the application places its window, so that the
    // positions reported hold for the application itself too.
    window.show();
    auto* blending = window.blendingScreen();
    auto* linearization = window.linearizationScreen();
    auto* tabs = window.findChild<QTabWidget*>();
    printLine(QStringLiteral("pid %1").arg(getpid()));
    Moments moments(blending->mainImageView, {linearization->measurementGraph, linearization->quadCurveGraph});
    QApplication::instance()->installEventFilter(&moments);
    for (QSlider* slider : {blending->cyanMidtoneSlider, linearization->movingAverageSmoothingSlider})
        QObject::connect(slider, &QSlider::actionTriggered, slider, [] { printAt("slider"); });
    if (!linearizationFiles.empty()) linearization->handleDroppedFiles(linearizationFiles);

    QWidget* lastDialog = nullptr;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* dialog = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (qobject_cast<QFileDialog*>(top) && top->isVisible()) dialog = top;
        if (dialog != lastDialog && dialog) {
            printGeometry(QStringLiteral("dialog"), dialog);
            printLine(QStringLiteral("dialog ") + dialog->windowTitle());
        }
        lastDialog = dialog;
    });
    watch.start(30);

    const auto printBlending = [=] {
        printGeometry(QStringLiteral("loadImageButton"), blending->findChild<QWidget*>(QStringLiteral("loadImageButton")));
        printGeometry(QStringLiteral("mainImageView"), blending->mainImageView);
        for (QSlider* slider : {blending->cyanMidtoneSlider, blending->yellowMidtoneSlider}) printHandle(slider);
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabBar()->tabRect(i);
            const QPoint at = tabs->tabBar()->mapToGlobal(tab.topLeft());
            printLine(QStringLiteral("ready tab%1 %2 %3 %4 %5").arg(i).arg(at.x()).arg(at.y()).arg(tab.width()).arg(tab.height()));
        }
    };
    QTimer::singleShot(500, printBlending);
    // The linearization screen's controls are placed once its tab is shown.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [=] {
        QTimer::singleShot(300, [=] {
            printGeometry(QStringLiteral("measurementGraph"), linearization->measurementGraph);
            printGeometry(QStringLiteral("quadCurveGraph"), linearization->quadCurveGraph);
            printHandle(linearization->movingAverageSmoothingSlider);
        });
    });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vellumcrest"));
    QApplication::setApplicationName(QStringLiteral("Tintsmith"));
    const std::string mode = argc > 1 ? argv[1] : "window";
    if (mode == "read" && argc > 3) return readRounds(argv[2], std::atoi(argv[3]));
    std::vector<std::filesystem::path> files;
    for (int i = 2; i < argc; ++i) files.emplace_back(argv[i]);
    return runWindow(files);
}
