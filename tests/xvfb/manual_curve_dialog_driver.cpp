// Shows one of the curve-editing windows on a real display and prints, one
// line each, where its parts are on screen and every curve it reports, so
// that a script can drive it with real X input and check what it posts.
//
//   manual_curve_dialog_driver linearization|v2   the manual-curve dialog
//   manual_curve_dialog_driver editor             the point editor alone
//   manual_curve_dialog_driver panels             the quad-curve panel, the
//       Quad Curves window and the ink-sample panel, after a blend of eight
//       curves and a linearization's ramps
//   manual_curve_dialog_driver panels-empty       the same, then a blend
//       without curves
//
// Lines: "ready <name> <x> <y> <w> <h>" per part (screen pixels, y down);
// "curve <count> <value at 0, 1/4, 1/2, 3/4 and the end>" per posted curve,
// followed by "fields <input> <output>" for the dialog and
// "points <count>" for the editor; "title <text>" when the OK button's
// title changes; "ready panels <blend curves>" once the panels are drawn.
// The program ends when the window closes (the panels: when killed).
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/blending/QuadCurveGraphPanelController.h"
#include "app/ui/editors/ManualCurveEditorDelegate.h"
#include "app/ui/editors/ManualCurveEditorView.h"
#include "app/ui/editors/v2CurveEditorView.h"
#include "app/ui/editors/v2LinearizationManualCurveViewController.h"
#include "app/ui/editors/v2ManualCurveViewController.h"
#include "app/ui/graphs/QuadCurveGraphViewController.h"
#include "app/ui/linearization/InkSampleViewPanelController.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/NotificationCenter.h"

namespace {

void printLine(const std::string& line) {
    std::fputs(line.c_str(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void printGeometry(const char* name, const QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    printLine(QString::asprintf("ready %s %d %d %d %d", name, origin.x(), origin.y(), widget->width(), widget->height())
                  .toStdString());
}

void printCurve(const std::vector<double>& curve) {
    std::string line = "curve " + std::to_string(curve.size());
    if (!curve.empty())
        for (std::size_t i :
             {std::size_t{0}, curve.size() / 4, curve.size() / 2, 3 * curve.size() / 4, curve.size() - 1})
            line += QString::asprintf(" %.3f", curve[i]).toStdString();
    printLine(line);
}

// Prints what the point editor reports.
struct EditorReporter : appui::ManualCurveEditorDelegate {
    appui::ManualCurveEditorView* editor = nullptr;
    void curveDidChange() override {
        printCurve(editor->outputCurveValues);
        printLine("points " + std::to_string(editor->inputCurveValues.size()));
    }
    void pointDidChange(double, double) override {
        printLine("points " + std::to_string(editor->inputCurveValues.size()));
    }
};

int runDialog(bool linearization) {
    std::unique_ptr<appui::ManualCurveDialog> dialog;
    if (linearization)
        dialog = std::make_unique<appui::v2LinearizationManualCurveViewController>();
    else
        dialog = std::make_unique<appui::v2ManualCurveViewController>();
    const auto& name = linearization ? curves::NotificationName::updatedManualCurveControl()
                                     : curves::NotificationName::updatedV2ManualCurveControl();
    auto& center = platform::NotificationCenter::defaultCenter();
    const platform::ObserverRegistration posted(center, center.addObserver(name, [&](const platform::Notification& n) {
        printCurve(std::any_cast<appui::ManualCurvePayload>(n.object));
        printLine(("fields " + dialog->inputValueLabel->text() + " " + dialog->outputValueLabel->text()).toStdString());
    }));
    QString title = dialog->okButton->text();
    QTimer titleWatch;
    QObject::connect(&titleWatch, &QTimer::timeout, [&] {
        if (dialog->okButton->text() == title) return;
        title = dialog->okButton->text();
        printLine("title " + title.toStdString());
    });
    titleWatch.start(20);

    QObject::connect(dialog.get(), &QDialog::finished, qApp, &QApplication::quit);
    dialog->move(0, 0);
    dialog->show();
    QTimer::singleShot(300, [&] {
        printGeometry("editor", dialog->curveEditor);
        printGeometry("ok", dialog->okButton);
        printGeometry("output", dialog->outputValueLabel);
    });
    return QApplication::exec();
}

int runEditor() {
    appui::ManualCurveEditorView editor;
    EditorReporter reporter;
    reporter.editor = &editor;
    editor.delegate = &reporter;
    editor.resize(300, 300);
    editor.setWindowTitle(QStringLiteral("Point editor"));
    editor.move(0, 0);
    editor.show();
    QTimer::singleShot(300, [&] { printGeometry("editor", &editor); });
    return QApplication::exec();
}

// Eight channel curves as a blend gives them: black from a third of the way
// up to full, the colours and light inks as humps of different heights.
appui::BlendedCurvesPayload eightBlendedCurves() {
    appui::BlendedCurvesPayload blend(8, std::vector<double>(256));
    const double peaks[8] = {0, 0.45, 0.4, 0.35, 0.3, 0.25, 0.55, 0.2};
    const double heights[8] = {1, 0.35, 0.3, 0.25, 0.45, 0.4, 0.6, 0.5};
    for (int i = 0; i < 256; ++i) {
        const double x = i / 255.0;
        blend[0][i] = 65535 * std::pow(std::max(0.0, (x - 0.3) / 0.7), 1.6);
        for (int k = 1; k < 8; ++k) {
            const double d = (x - peaks[k]) / 0.18;
            blend[k][i] = 65535 * heights[k] * std::exp(-d * d);
        }
    }
    return blend;
}

// A measured ramp with a warm cast in the highlights, and its correction.
appui::LabRampsPayload linearizationRamps() {
    std::vector<curves::CIELab> original, corrected;
    for (int i = 0; i < 21; ++i) {
        const double t = i / 20.0;
        original.push_back({97 - 92 * std::pow(t, 0.8), 3 * (1 - t), 8 * (1 - t) - 2});
        corrected.push_back({5 + 90 * t, 0.5, 1});
    }
    return {original, corrected};
}

int runPanels(bool thenEmpty) {
    appui::QuadCurveGraphPanelController panel;
    panel.resize(500, 370);
    panel.move(0, 0);
    panel.showWindow();

    QWidget quadCurvesWindow(nullptr,
                             Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    auto* layout = new QVBoxLayout(&quadCurvesWindow);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new appui::QuadCurveGraphViewController(&quadCurvesWindow));
    quadCurvesWindow.resize(500, 370);
    quadCurvesWindow.move(512, 0);
    quadCurvesWindow.show();

    appui::InkSampleViewPanelController samples;
    samples.move(0, 400);
    samples.show();

    auto& center = platform::NotificationCenter::defaultCenter();
    QTimer::singleShot(200, [&] {
        center.post(curves::NotificationName::didUpdateBlendedQuadValues(), eightBlendedCurves());
        center.post(curves::NotificationName::updatedColorInkArrays(), linearizationRamps());
        if (thenEmpty)
            center.post(curves::NotificationName::didUpdateBlendedQuadValues(), appui::BlendedCurvesPayload());
    });
    QTimer::singleShot(600, [&] { printLine("ready panels " + std::to_string(thenEmpty ? 0 : 8)); });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const std::string mode = argc > 1 ? argv[1] : "linearization";
    if (mode == "editor") return runEditor();
    if (mode == "panels" || mode == "panels-empty") return runPanels(mode == "panels-empty");
    return runDialog(mode == "linearization");
}
