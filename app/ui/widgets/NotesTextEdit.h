#pragma once
#include <QPlainTextEdit>

namespace appui {

// A plain-text notes field that takes from a paste (a key, a middle click or
// a drop) only text that is there: an empty or missing clipboard inserts
// nothing. The platform's own field reads whatever the clipboard hands it,
// and an empty clipboard stops the program.
class NotesTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit NotesTextEdit(QWidget* parent = nullptr);

    // Whether a paste or drop of the data inserts anything.
    static bool holdsText(const QMimeData* source);

protected:
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace appui
