#include <gtest/gtest.h>

#include <QEnterEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/editors/v2CurveEditorView.h"
#include "app/ui/editors/v2LinearizationManualCurveViewController.h"
#include "app/ui/editors/v2ManualCurveViewController.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "tests/ui/comma_locale_everywhere.h"
#include "tests/ui/ui_test_support.h"

namespace appui {
namespace {

struct DialogKind {
    const char* name;
    std::function<std::unique_ptr<ManualCurveDialog>()> make;
    const std::string& (*notification)();
};

void PrintTo(const DialogKind& kind, std::ostream* os) { *os << kind.name; }

const DialogKind dialogKinds[] = {
    {"v2ManualCurveViewController", [] { return std::make_unique<v2ManualCurveViewController>(); },
     curves::NotificationName::updatedV2ManualCurveControl},
    {"v2LinearizationManualCurveViewController",
     [] { return std::make_unique<v2LinearizationManualCurveViewController>(); },
     curves::NotificationName::updatedManualCurveControl},
};

class ManualCurveDialogTest : public ::testing::TestWithParam<DialogKind> {
protected:
    void SetUp() override {
        dialog = GetParam().make();
        posted = std::make_unique<uitest::PostedObjects>(GetParam().notification());
        other = std::make_unique<uitest::PostedObjects>(&GetParam().notification() ==
                                                                &curves::NotificationName::updatedManualCurveControl()
                                                            ? curves::NotificationName::updatedV2ManualCurveControl()
                                                            : curves::NotificationName::updatedManualCurveControl());
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        editor = dialog->findChild<v2CurveEditorView*>(QStringLiteral("curveEditor"));
        input = dialog->findChild<QLineEdit*>(QStringLiteral("inputValueLabel"));
        output = dialog->findChild<QLineEdit*>(QStringLiteral("outputValueLabel"));
        ok = dialog->findChild<QPushButton*>(QStringLiteral("okButton"));
        ASSERT_TRUE(editor && input && output && ok);
        editor->repaint();
    }
    void TearDown() override { QTest::keyRelease(dialog.get(), Qt::Key_Alt); }

    ManualCurvePayload lastCurve() const { return posted->last<ManualCurvePayload>(); }
    // Mouse input in the editor's y-up coordinates.
    void press(QPointF at) { uitest::press(editor, uitest::fromYUp(editor, at)); }
    void drag(QPointF to) { uitest::drag(editor, uitest::fromYUp(editor, to)); }
    void release(QPointF at) { uitest::release(editor, uitest::fromYUp(editor, at)); }
    void type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClicks(field, text);
        QTest::keyClick(field, Qt::Key_Return);
    }
    void enterOk(bool withOption) {
        if (withOption)
            QTest::keyPress(dialog.get(), Qt::Key_Alt, Qt::AltModifier);
        else
            QTest::keyRelease(dialog.get(), Qt::Key_Alt);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), ok->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(ok, &enter);
    }
    void leaveOk() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(ok, &leave);
    }

    std::unique_ptr<ManualCurveDialog> dialog;
    std::unique_ptr<uitest::PostedObjects> posted;
    std::unique_ptr<uitest::PostedObjects> other;
    v2CurveEditorView* editor = nullptr;
    QLineEdit* input = nullptr;
    QLineEdit* output = nullptr;
    QPushButton* ok = nullptr;
};

TEST_P(ManualCurveDialogTest, EveryDrawingPostsTheEditorsCurveUnderTheDialogsOwnName) {
    ASSERT_FALSE(posted->objects().empty());
    const auto curve = lastCurve();
    ASSERT_EQ(curve.size(), 256u);
    for (std::size_t i = 0; i < 256; ++i) EXPECT_NEAR(curve[i], editor->scale[i], 1e-9);
    const auto count = posted->objects().size();
    editor->repaint();
    EXPECT_EQ(posted->objects().size(), count + 1);
    EXPECT_TRUE(other->objects().empty()) << "the other dialog's name is never posted";
}

TEST_P(ManualCurveDialogTest, DraggingAPointShowsItsPercentagesAndPostsTheBentCurve) {
    const double w = editor->width();
    const double h = editor->height();
    press({0.5 * w, 0.5 * h});
    EXPECT_EQ(input->text(), QStringLiteral("50.00"));
    EXPECT_EQ(output->text(), QStringLiteral("50.00"));
    drag({0.5 * w, 0.75 * h});
    release({0.5 * w, 0.75 * h});
    EXPECT_EQ(output->text(), QStringLiteral("75.00"));
    editor->repaint();
    const auto curve = lastCurve();
    EXPECT_GT(curve[128], 70);
    EXPECT_NEAR(curve[0], 0, 1e-9);
    EXPECT_NEAR(curve[255], 100, 1e-9);
}

TEST_P(ManualCurveDialogTest, TypingAPercentageMovesTheCurrentPointUsingTheOtherField) {
    const double w = editor->width();
    const double h = editor->height();
    press({0.25 * w, 0.25 * h});
    release({0.25 * w, 0.25 * h});
    ASSERT_EQ(editor->currentIndex, 1);
    type(output, QStringLiteral("40%"));
    EXPECT_EQ(editor->inputCurveValues[1], QPointF(0.25 * w, 0.4 * h));
    EXPECT_EQ(editor->activePoint, QPointF(0.25 * w, 0.4 * h));
    type(input, QStringLiteral("30"));
    EXPECT_EQ(editor->inputCurveValues[1], QPointF(0.3 * w, 0.4 * h));
    type(input, QStringLiteral("abc"));
    EXPECT_EQ(editor->inputCurveValues[1], QPointF(0, 0.4 * h)) << "text without a number reads as 0";
    EXPECT_TRUE(dialog->isVisible()) << "Return in a field does not press OK";
}

TEST_P(ManualCurveDialogTest, TheFieldsShowAndReadAPointWhateverTheLocale) {
    uitest::CommaLocaleEverywhere comma;
    ASSERT_TRUE(comma.inEffect());
    const double w = editor->width();
    const double h = editor->height();
    press({0.5 * w, 0.5 * h});
    release({0.5 * w, 0.5 * h});
    EXPECT_EQ(input->text(), QStringLiteral("50.00"));
    EXPECT_EQ(output->text(), QStringLiteral("50.00"));
    const int index = editor->currentIndex;
    struct Case {
        const char* typed;
        double percent;
    };
    const Case cases[] = {{"40.5", 40.5}, {"40,5", 40}, {"1e1", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        type(output, QString::fromLatin1(c.typed));
        EXPECT_DOUBLE_EQ(editor->inputCurveValues[index].y(), c.percent / 100 * h);
    }
}

TEST_P(ManualCurveDialogTest, StandardCompressionPostsItsCurveOnTheNextDrawing) {
    auto* button = dialog->findChild<QPushButton*>(QStringLiteral("useStandardCompressionButton"));
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    const double w = editor->width();
    const double h = editor->height();
    EXPECT_EQ(editor->inputCurveValues,
              (QVector<QPointF>{{0, 0}, {0.12 * w, 0.1 * h}, {0.5 * w, 0.48 * h}, {0.8 * w, 0.8 * h}, {w, h}}));
    editor->repaint();
    const auto curve = lastCurve();
    ASSERT_EQ(curve.size(), 256u);
    EXPECT_LT(curve[128], editor->scale[128]) << "the middle is pulled down";
    EXPECT_NEAR(curve[255], 100, 1e-9);
}

TEST_P(ManualCurveDialogTest, OkBecomesResetOnlyWhileOptionIsHeldOnEntering) {
    enterOk(false);
    EXPECT_EQ(ok->text(), QStringLiteral("OK"));
    leaveOk();
    enterOk(true);
    EXPECT_EQ(ok->text(), QStringLiteral("Reset"));
    leaveOk();
    EXPECT_EQ(ok->text(), QStringLiteral("OK")) << "leaving restores OK whatever the keys";
}

TEST_P(ManualCurveDialogTest, ResetPostsTheOldCurveClearsTheFieldsAndTheNextDrawingPostsTheIdentity) {
    QTest::mouseClick(dialog->findChild<QPushButton*>(QStringLiteral("useStandardCompressionButton")), Qt::LeftButton);
    editor->repaint();
    press({editor->width() * 0.5, editor->height() * 0.48});
    release({editor->width() * 0.5, editor->height() * 0.48});
    const auto compressed = lastCurve();

    enterOk(true);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(lastCurve(), compressed) << "Reset posts the curve held before it";
    EXPECT_TRUE(editor->inputCurveValues.isEmpty());
    EXPECT_EQ(input->text(), QString());
    EXPECT_EQ(output->text(), QString());
    EXPECT_EQ(dialog->currentInputValue, 0);

    // Typing before the editor draws again finds no point: ignored.
    type(output, QStringLiteral("70"));
    EXPECT_TRUE(editor->inputCurveValues.isEmpty());

    editor->repaint();
    const auto identity = lastCurve();
    for (std::size_t i = 0; i < 256; ++i) EXPECT_NEAR(identity[i], editor->scale[i], 1e-9);
}

TEST_P(ManualCurveDialogTest, OkClosesTheDialog) {
    enterOk(false);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
}

INSTANTIATE_TEST_SUITE_P(BothDialogs, ManualCurveDialogTest, ::testing::ValuesIn(dialogKinds),
                         [](const auto& kind) { return std::string(kind.param.name); });

} // namespace
} // namespace appui
