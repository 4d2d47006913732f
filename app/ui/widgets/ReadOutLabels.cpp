#include "app/ui/widgets/ReadOutLabels.h"

#include <QLabel>
#include <QLayout>

namespace appui {

namespace {

// The layout, of `layout` and those nested in it, that holds the widget.
QLayout* layoutHolding(QLayout* layout, QWidget* widget) {
    if (layout == nullptr) return nullptr;
    if (layout->indexOf(widget) >= 0) return layout;
    for (int i = 0; i < layout->count(); ++i)
        if (QLayout* found = layoutHolding(layout->itemAt(i)->layout(), widget)) return found;
    return nullptr;
}

} // namespace

void keepReadOutSize(QLabel& label, const QStringList& widestTexts) {
    const QString shown = label.text();
    QSize size = label.minimumSize().expandedTo(label.sizeHint());
    for (const QString& text : widestTexts) {
        label.setText(text);
        size = size.expandedTo(label.sizeHint());
    }
    label.setText(shown);
    label.setFixedSize(size);
    if (QWidget* parent = label.parentWidget())
        if (QLayout* layout = layoutHolding(parent->layout(), &label)) layout->setAlignment(&label, label.alignment());
}

} // namespace appui
