// The linearization screen's notes field takes only text that is there from
// a paste or a drop: nothing on the clipboard pastes nothing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "app/ui/widgets/NotesTextEdit.h"
#include "tests/ui/linearization_screen_support.h"

namespace appui {
namespace {

// Reaches the field's paste hooks as the platform's text control does.
class ReachableNotes : public NotesTextEdit {
public:
    using NotesTextEdit::canInsertFromMimeData;
    using NotesTextEdit::insertFromMimeData;
};

TEST(NotesTextEdit, PastesTextThatIsThereAndNothingElse) {
    QMimeData empty;
    QMimeData image;
    image.setImageData(QImage(4, 4, QImage::Format_RGB32));
    QMimeData blank;
    blank.setText(QString());
    QMimeData text;
    text.setText(QStringLiteral("Hahnemühle"));
    struct Case {
        const char* name;
        const QMimeData* source;
        bool inserts;
    };
    const Case cases[] = {
        {"missing data", nullptr, false}, {"no formats", &empty, false}, {"an image only", &image, false},
        {"empty text", &blank, false},    {"text", &text, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReachableNotes notes;
        notes.setPlainText(QStringLiteral("before "));
        notes.moveCursor(QTextCursor::End);
        EXPECT_EQ(notes.canInsertFromMimeData(c.source), c.inserts);
        notes.insertFromMimeData(c.source);
        EXPECT_EQ(notes.toPlainText(), c.inserts ? QStringLiteral("before Hahnemühle") : QStringLiteral("before "));
    }
}

using NotesField = uitest::LinearizationScreenTest;

TEST_F(NotesField, APasteKeyWithAnEmptyClipboardLeavesTheNotesAsTheyWere) {
    auto* notes = find<NotesTextEdit>("quadNotesOutlet");
    ASSERT_NE(notes, nullptr);
    notes->setPlainText(QStringLiteral("kept"));
    notes->moveCursor(QTextCursor::End);
    notes->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(notes, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("kept"));
    QApplication::clipboard()->setText(QStringLiteral(" and pasted"));
    QTest::keyClick(notes, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("kept and pasted"));
}

} // namespace
} // namespace appui
