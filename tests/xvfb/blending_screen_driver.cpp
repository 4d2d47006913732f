// The application's main window on a real display, reporting what a script
// driving it with real X input needs to know, one line each:
//
//   ready <name> <x> <y> <w> <h>      where a control is on screen (global pixels)
//   handle <slider> <x> <y>           the centre of a slider's knob
//   popup <name> <index> <text>       a pop-up's selected item, when it changes
//   slider <name> <value>             a tone slider's value, when it changes
//   state printer=<n> inkset=<name> media=<name> toner=<name> channels=<n>
//         tone=<the nine tone sliders' values> lab=<the nine Lab read-outs>
//   lnotes <the linearization notes, line feeds as \n>  when they change
//   menu <title>                      a menu of the menu bar is open
//   editor shown=<graph|channel> channels=<pop-up items> points=<n> ordered=<0|1> axis=<top axis labels>
//          active=<input>,<value>  (the point last pressed or dragged)
//                                     the custom curve editor, when it changes,
//                                     after "ready" lines of its controls;
//                                     "editor closed" when it closes
//   notes <the summary's cyan line>   when the blend summary changes
//   preview <generation> <w> <h> <dark rgb> <mid rgb> <light rgb>
//   open <name>                       a pop-up's list is open and takes the keys
//   dialog <title>                    a file dialog has opened and has the keyboard
//   alert <title>                     an alert has opened and has the keyboard
//   dialog closed, alert closed       it no longer has the keyboard
//   linearization quad=<file shown> channels=<n> measured=<file shown> linearized=<channels>
//                                     the linearization screen, when it changes
//   active <title>                    the window that has the keyboard, when it changes
//
//   blending_screen_driver window          the window, until it closes
//   blending_screen_driver read-quad FILE  the product's reader on a .quad file:
//       "quad <header> <channels> <K at 0, 128, 255> <sum of the last two channels>
//        <largest value of each channel, comma-separated>" or "unreadable"
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numeric>
#include <string>

#include "app/curves/quad/QuadDataFile.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/editors/CustomCurveEditorVC.h"
#include "app/ui/editors/QuadCurveEditorView.h"
#include "app/ui/graphs/QuadCurveGraph.h"
#include "app/ui/linearization/qcv2LinearizationViewController.h"
#include "app/ui/preview/ColorPreviewImageView.h"
#include "app/ui/preview/TonedPreviewRenderer.h"
#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"
#include "platform/FileIO.h"

namespace {

void printLine(const QString& line) {
    std::fputs(line.toUtf8().constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

QString geometryLine(const QWidget* widget) {
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    return QStringLiteral("ready %1 %2 %3 %4 %5")
        .arg(widget->objectName())
        .arg(origin.x())
        .arg(origin.y())
        .arg(widget->width())
        .arg(widget->height());
}

void printGeometry(const QWidget* widget) { printLine(geometryLine(widget)); }

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

// The custom curve editor as the user sees it: the whole set's graph or one
// channel's curve, the channel pop-up, the curve's points and whether they
// run in x order, and the graph's top axis labels.
QString editorState(appui::CustomCurveEditorVC& editor) {
    const auto& points = editor.quadEditor->inputCurveValues;
    bool ordered = true;
    for (qsizetype i = 1; i < points.size(); ++i)
        if (!(points[i].x() > points[i - 1].x())) ordered = false;
    QStringList channels;
    for (int i = 0; i < editor.curveNameList->count(); ++i) channels << editor.curveNameList->itemText(i);
    auto* axis = editor.quadCurveGraph->xAxis().get();
    QStringList labels;
    for (std::int64_t i = 0; i < axis->entryCount(); ++i) labels << axis->getFormattedLabel(i);
    // The point last pressed or dragged, in the channel's input (0 to 255)
    // and value (0 to 65535).
    const auto* view = editor.quadEditor;
    const QPointF active = view->activePoint;
    return QStringLiteral("editor shown=%1 channels=%2 points=%3 ordered=%4 axis=%5 active=%6,%7")
        .arg(view->isVisible() ? QStringLiteral("channel") : QStringLiteral("graph"))
        .arg(channels.join(',').replace(' ', '_'))
        .arg(points.size())
        .arg(ordered ? 1 : 0)
        .arg(labels.join(',').replace(' ', '_'))
        .arg(view->maxX() > 0 ? std::lround(active.x() / view->maxX() * 255) : 0)
        .arg(view->maxY() > 0 ? std::lround(active.y() / view->maxY() * 65535) : 0);
}

QString rgb(QRgb c) { return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c)); }

int readQuad(const char* file) {
    std::string bytes;
    curves::QuadDataFile quad;
    if (!platform::readWholeFile(file, bytes, curves::maximumQuadFileBytes) ||
        !quad.load(curves::quadtext::linesFromText(bytes)) || !quad.inputQuadCurveArray) {
        printLine(QStringLiteral("unreadable"));
        return 1;
    }
    const auto& curves = *quad.inputQuadCurveArray;
    double lastTwo = 0;
    for (std::size_t c = curves.size() >= 2 ? curves.size() - 2 : 0; c < curves.size(); ++c)
        lastTwo += std::accumulate(curves[c].begin(), curves[c].end(), 0.0);
    QStringList largest;
    for (const auto& curve : curves)
        largest << QString::number(curve.empty() ? 0 : *std::max_element(curve.begin(), curve.end()));
    printLine(QStringLiteral("quad %1 %2 %3 %4 %5 %6 %7")
                  .arg(QString::fromStdString(quad.printerInfo).replace(' ', '_'))
                  .arg(curves.size())
                  .arg(curves[0][0])
                  .arg(curves[0][128])
                  .arg(curves[0][255])
                  .arg(lastTwo)
                  .arg(largest.join(',')));
    return 0;
}

int runWindow() {
    // The dialogs drawn by Qt itself, the same on every desktop.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    appui::ApplicationShell shell;
    auto& window = shell.mainWindow();
    auto* tabs = window.findChild<QTabWidget*>();
    window.move(0, 0);
    window.resize(1200, 800);
    window.show();
    auto* screen = window.blendingScreen();

    const QList<QComboBox*> popUps{screen->printerModelSelectionMenu, screen->inkSetPopupSelectionMenu,
                                   screen->mediaTypePopupMenu, screen->tonerSelectionPopupMenu};
    const QList<QSlider*> sliders{
        screen->cyanHighlightSlider,    screen->cyanMidtoneSlider,    screen->cyanShadowSlider,
        screen->magentaHighlightSlider, screen->magentaMidtoneSlider, screen->magentaShadowSlider,
        screen->yellowHighlightSlider,  screen->yellowMidtoneSlider,  screen->yellowShadowSlider};
    const QList<QLabel*> readOuts{screen->highlightLabLLabel, screen->highlightLabALabel, screen->highlightLabBLabel,
                                  screen->midtoneLabLLabel,   screen->midtoneLabALabel,   screen->midtoneLabBLabel,
                                  screen->shadowLabLLabel,    screen->shadowLabALabel,    screen->shadowLabBLabel};
    const auto printState = [=] {
        QStringList tone;
        for (QSlider* slider : sliders) tone << QString::number(slider->value());
        QStringList lab;
        for (QLabel* label : readOuts) lab << label->text();
        printLine(QStringLiteral("state printer=%1 inkset=%2 media=%3 toner=%4 channels=%5 tone=%6 lab=%7")
                      .arg(screen->printerModelSelectionMenu->currentIndex())
                      .arg(screen->inkSetPopupSelectionMenu->currentText().replace(' ', '_'))
                      .arg(screen->mediaTypePopupMenu->currentText().replace(' ', '_'))
                      .arg(screen->tonerSelectionPopupMenu->currentText().replace(' ', '_'))
                      .arg(screen->printerModelSelection)
                      .arg(tone.join(','), lab.join(',').replace(' ', '_')));
    };
    for (QComboBox* popUp : popUps)
        QObject::connect(popUp, &QComboBox::currentIndexChanged, popUp, [=](int index) {
            printLine(QStringLiteral("popup %1 %2 %3").arg(popUp->objectName()).arg(index).arg(popUp->currentText()));
            // The Lab read-outs show a blend one event-loop turn after it
            // is made: the state is printed the turn after that.
            QTimer::singleShot(0, popUp, [=] { QTimer::singleShot(0, printState); });
        });
    for (QSlider* slider : sliders)
        QObject::connect(slider, &QSlider::valueChanged, slider, [=](int value) {
            printLine(QStringLiteral("slider %1 %2").arg(slider->objectName()).arg(value));
        });

    // What changes later than an action: the summary, the preview, dialogs.
    QString lastNotes;
    std::uint64_t lastPreview = 0;
    QWidget* lastDialog = nullptr;
    QMessageBox* lastAlert = nullptr;
    QComboBox* lastOpen = nullptr;
    QString lastLinearizationNotes;
    QMenu* lastMenu = nullptr;
    QPointer<appui::CustomCurveEditorVC> lastEditor;
    QString lastEditorState;
    QString lastLinearization;
    QPointer<QWidget> lastActive;
    auto* linearization = window.linearizationScreen();
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const QString notes = QString::fromStdString(screen->quadData->quadNotes.value_or(""));
        if (notes != lastNotes) {
            lastNotes = notes;
            for (const QString& line : notes.split('\n'))
                if (line.startsWith(QStringLiteral("Cyan"))) printLine(QStringLiteral("notes ") + line);
        }
        const std::uint64_t shown = screen->previewRenderer().shownGeneration();
        if (shown != lastPreview && screen->mainImageView->hasImage() && screen->imageSize) {
            lastPreview = shown;
            // The picture's size, and colours of what is on screen (toned
            // at the view's size).
            const QImage picture = screen->mainImageView->shownImage();
            const int x = picture.width() / 2;
            // A top-to-bottom gradient picture: dark top, light bottom.
            printLine(QStringLiteral("preview %1 %2 %3 %4 %5 %6")
                          .arg(shown)
                          .arg(screen->imageSize->width())
                          .arg(screen->imageSize->height())
                          .arg(rgb(picture.pixel(x, picture.height() / 10)))
                          .arg(rgb(picture.pixel(x, picture.height() / 2)))
                          .arg(rgb(picture.pixel(x, picture.height() * 9 / 10))));
        }
        // Reported once they have the keyboard: keys typed before would go
        // elsewhere.
        QWidget* dialog = nullptr;
        QMessageBox* alert = nullptr;
        QWidget* active = QApplication::activeWindow();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != active || !top->isVisible()) continue;
            if (qobject_cast<QFileDialog*>(top)) dialog = top;
            if (auto* box = qobject_cast<QMessageBox*>(top)) alert = box;
        }
        QComboBox* open = nullptr;
        for (QComboBox* popUp : popUps)
            if (popUp->view()->isVisible()) open = popUp;
        for (QComboBox* listed :
             {linearization->exportFileOptionsPopupButton, lastEditor ? lastEditor->curveNameList : nullptr})
            if (listed && listed->view()->isVisible()) open = listed;
        if (open != lastOpen) {
            lastOpen = open;
            if (open) printLine(QStringLiteral("open ") + open->objectName());
        }
        if (dialog != lastDialog) {
            lastDialog = dialog;
            printLine(dialog ? QStringLiteral("dialog ") + dialog->windowTitle() : QStringLiteral("dialog closed"));
        }
        if (alert != lastAlert) {
            lastAlert = alert;
            printLine(alert ? QStringLiteral("alert ") + alert->text() : QStringLiteral("alert closed"));
        }
        const QString linearizationNotes = linearization->quadNotesOutlet->toPlainText();
        if (linearizationNotes != lastLinearizationNotes) {
            lastLinearizationNotes = linearizationNotes;
            printLine(QStringLiteral("lnotes ") + QString(linearizationNotes).replace('\n', QStringLiteral("\\n")));
        }
        QMenu* menu = nullptr;
        for (QAction* action : window.menuBar()->actions())
            if (action->menu() && action->menu()->isVisible()) menu = action->menu();
        if (menu != lastMenu) {
            lastMenu = menu;
            if (menu) printLine(QStringLiteral("menu ") + QString(menu->title()).remove('&'));
        }
        appui::CustomCurveEditorVC* editor = nullptr;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (auto* curves = qobject_cast<appui::CustomCurveEditorVC*>(top); curves && curves->isVisible())
                editor = curves;
        lastEditor = editor;
        // Its controls move as it switches between the graph and a channel:
        // their places are reported again whenever they have moved.
        QString editorNow;
        if (editor) {
            const QList<QWidget*> controls{editor->quadEditor, editor->curveNameList, editor->acceptEditButton,
                                           editor->finishEditingButton, editor->quadCurveGraph};
            for (QWidget* control : controls)
                editorNow += geometryLine(control) + (control->isVisible() ? "\n" : " hidden\n");
            editorNow += editorState(*editor);
        }
        if (editorNow != lastEditorState) {
            lastEditorState = editorNow;
            printLine(editor ? editorNow : QStringLiteral("editor closed"));
        }
        const auto& model = linearization->model;
        const QString now = QStringLiteral("linearization quad=%1 channels=%2 measured=%3 linearized=%4")
                                .arg(linearization->quadCurveFileNameLabel->text().replace(' ', '_'))
                                .arg(model.quadData ? model.quadData->inkList.size() : 0)
                                .arg(linearization->measurementFileNameLabel->text().replace(' ', '_'))
                                .arg(model.quadData && model.quadData->outputQuadCurveArray
                                         ? model.quadData->outputQuadCurveArray->size()
                                         : 0);
        if (now != lastLinearization) {
            lastLinearization = now;
            printLine(now);
        }
        if (QApplication::activeWindow() != lastActive) {
            lastActive = QApplication::activeWindow();
            if (lastActive) printLine(QStringLiteral("active ") + lastActive->windowTitle());
        }
    });
    watch.start(30);

    QTimer::singleShot(500, [=] {
        for (QComboBox* popUp : popUps) printGeometry(popUp);
        for (QSlider* slider : sliders) {
            printGeometry(slider);
            printHandle(slider);
        }
        for (const char* name :
             {"loadImageButton", "saveQuadButton", "mainImageView", "blendedSampleView", "inkPercentGraph"})
            printGeometry(screen->findChild<QWidget*>(QString::fromLatin1(name)));
        const QRect tab = tabs->tabBar()->tabRect(1);
        const QPoint at = tabs->tabBar()->mapToGlobal(tab.topLeft());
        printLine(QStringLiteral("ready linearizationTab %1 %2 %3 %4")
                      .arg(at.x())
                      .arg(at.y())
                      .arg(tab.width())
                      .arg(tab.height()));
        printState();
    });
    // The linearization screen's buttons are placed once its tab is shown.
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [=] {
        QTimer::singleShot(300, [=] {
            for (const char* name :
                 {"loadQuadFilePressed", "loadMeasurmentData", "CustomCurveEditor", "ShowManualCurve",
                  "quadNotesOutlet", "saveButtonPressed", "exportFileOptionsPopupButton"})
                if (auto* button = linearization->findChild<QWidget*>(QString::fromLatin1(name))) printGeometry(button);
        });
    });
    // Knob positions follow the values.
    for (QSlider* slider : sliders)
        QObject::connect(slider, &QSlider::valueChanged, slider, [slider] { printHandle(slider); });
    return QApplication::exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vellumcrest"));
    QApplication::setApplicationName(QStringLiteral("Tintsmith"));
    const std::string mode = argc > 1 ? argv[1] : "window";
    if (mode == "read-quad" && argc > 2) return readQuad(argv[2]);
    return runWindow();
}
