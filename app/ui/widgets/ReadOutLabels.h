#pragma once
#include <QStringList>

class QLabel;

namespace appui {

// A read-out whose text changes on every slider step keeps one size. A label
// given new text asks every layout above it to lay out again, up to the
// window's tab widget, which then repaints everything it holds: several
// milliseconds a step, spent before the step's own results can show. The
// label is fixed at the size its widest texts need (never under its minimum)
// and placed in its layout cell as its text is aligned there, so that it
// shows where it did.
void keepReadOutSize(QLabel& label, const QStringList& widestTexts);

} // namespace appui
