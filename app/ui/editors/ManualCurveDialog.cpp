#include "app/ui/editors/ManualCurveDialog.h"

#include <QLineEdit>
#include <QPushButton>

#include "app/ui/editors/v2CurveEditorView.h"
#include "app/ui/widgets/FieldText.h"
#include "app/ui/widgets/HoverTracker.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/FatalError.h"
#include "platform/NotificationCenter.h"

namespace appui {

namespace {
const QString okTitle = QStringLiteral("OK");
const QString resetTitle = QStringLiteral("Reset");
} // namespace

ManualCurveDialog::ManualCurveDialog(QWidget* parent) : QDialog(parent) {}

void ManualCurveDialog::viewDidLoad(QPushButton* ok, v2CurveEditorView* editor, QLineEdit* input, QLineEdit* output,
                                    QPushButton* standardCompression) {
    platform::precondition(ok != nullptr && editor != nullptr && input != nullptr && output != nullptr &&
                               standardCompression != nullptr,
                           "ManualCurveDialog::viewDidLoad: a control missing from the dialog's resource");
    okButton = ok;
    curveEditor = editor;
    inputValueLabel = input;
    outputValueLabel = output;

    curveEditor->delegate = this;
    curveEditor->outputCurveValues = curveEditor->scale;
    new HoverTracker(
        okButton, [this] { mouseEntered(); }, [this] { mouseExited(); });

    connect(okButton, &QPushButton::clicked, this, &ManualCurveDialog::didPressOKButton);
    connect(standardCompression, &QPushButton::clicked, this, &ManualCurveDialog::useStandardCompression);
    connect(inputValueLabel, &QLineEdit::returnPressed, this, &ManualCurveDialog::inputLabelDidChange);
    connect(outputValueLabel, &QLineEdit::returnPressed, this, &ManualCurveDialog::outputLabelDidChange);
}

void ManualCurveDialog::mouseEntered() {
    if (optionKeyHeld()) okButton->setText(resetTitle);
}

void ManualCurveDialog::mouseExited() { okButton->setText(okTitle); }

void ManualCurveDialog::didPressOKButton() {
    if (okButton->text() != resetTitle) {
        closeDialog();
        return;
    }
    curveEditor->inputCurveValues.clear();
    curveEditor->activePoint = {0, 0};
    curveEditor->update();
    currentInputValue = 0;
    currentOutputValue = 0;
    inputValueLabel->setText(QString());
    outputValueLabel->setText(QString());
    postCurve();
}

void ManualCurveDialog::useStandardCompression() {
    const double w = curveEditor->maxX();
    const double h = curveEditor->maxY();
    curveEditor->inputCurveValues = {{0, 0}, {0.12 * w, 0.1 * h}, {0.5 * w, 0.48 * h}, {0.8 * w, 0.8 * h}, {w, h}};
    curveEditor->update();
}

void ManualCurveDialog::inputLabelDidChange() { moveCurrentPointToFields(); }
void ManualCurveDialog::outputLabelDidChange() { moveCurrentPointToFields(); }

void ManualCurveDialog::moveCurrentPointToFields() {
    const double input = fieldDoubleValue(inputValueLabel->text());
    const double output = fieldDoubleValue(outputValueLabel->text());
    const int index = curveEditor->currentIndex;
    // After Reset the editor has no points until it draws again.
    if (index < 0 || index >= curveEditor->inputCurveValues.size()) return;
    const QPointF point(curveEditor->maxX() * (input / 100), curveEditor->maxY() * (output / 100));
    curveEditor->inputCurveValues[index] = point;
    curveEditor->activePoint = point;
    curveEditor->update();
}

void ManualCurveDialog::pointDidChange(double x, double y) {
    currentInputValue = x / curveEditor->maxX() * 100;
    currentOutputValue = y / curveEditor->maxY() * 100;
    inputValueLabel->setText(twoDecimals(currentInputValue));
    outputValueLabel->setText(twoDecimals(currentOutputValue));
}

void ManualCurveDialog::curveDidChange() { postCurve(); }

void ManualCurveDialog::postCurve() {
    platform::NotificationCenter::defaultCenter().post(notificationName(),
                                                       ManualCurvePayload(curveEditor->outputCurveValues));
}

} // namespace appui
