#pragma once
#include <QDialog>
#include <string>

#include "app/ui/editors/ManualCurveEditorDelegate.h"

class QLineEdit;
class QPushButton;

namespace appui {

class v2CurveEditorView;

// What the two manual-curve dialogs share: a v2CurveEditorView whose edited
// point shows as input and output percentages in two fields that can be
// typed into, a button applying a standard compression curve, and an OK
// button that turns into Reset while Option is held over it. Every curve the
// editor reports is posted under the dialog's notification name.
class ManualCurveDialog : public QDialog, public ManualCurveEditorDelegate {
    Q_OBJECT
public:
    double currentInputValue = 0;
    double currentOutputValue = 0;

    QPushButton* okButton = nullptr;
    v2CurveEditorView* curveEditor = nullptr;
    QLineEdit* inputValueLabel = nullptr;
    QLineEdit* outputValueLabel = nullptr;

    void curveDidChange() override;
    void pointDidChange(double x, double y) override;

public slots:
    void didPressOKButton();
    void useStandardCompression();
    void inputLabelDidChange();
    void outputLabelDidChange();
    void mouseEntered();
    void mouseExited();

protected:
    explicit ManualCurveDialog(QWidget* parent);

    // Called by the subclass once its interface is built: takes the outlets
    // and connects the actions.
    void viewDidLoad(QPushButton* ok, v2CurveEditorView* editor, QLineEdit* input, QLineEdit* output,
                     QPushButton* standardCompression);

    virtual const std::string& notificationName() const = 0;
    // What OK does when it is not Reset.
    virtual void closeDialog() = 0;

private:
    void postCurve();
    void moveCurrentPointToFields();
};

} // namespace appui
