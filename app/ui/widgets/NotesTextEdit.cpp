#include "app/ui/widgets/NotesTextEdit.h"

#include <QMimeData>

namespace appui {

NotesTextEdit::NotesTextEdit(QWidget* parent) : QPlainTextEdit(parent) {}

bool NotesTextEdit::holdsText(const QMimeData* source) {
    return source != nullptr && source->hasText() && !source->text().isEmpty();
}

bool NotesTextEdit::canInsertFromMimeData(const QMimeData* source) const {
    return holdsText(source) && QPlainTextEdit::canInsertFromMimeData(source);
}

void NotesTextEdit::insertFromMimeData(const QMimeData* source) {
    if (!holdsText(source)) return;
    QPlainTextEdit::insertFromMimeData(source);
}

} // namespace appui
