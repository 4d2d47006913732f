#include "app/ui/widgets/PopUpItems.h"

#include <QComboBox>
#include <QStandardItemModel>
#include <QStringList>

namespace appui {

void takeItemTags(QComboBox* popUp) {
    const QStringList tags = popUp->property("itemTags").toStringList();
    for (int i = 0; i < popUp->count() && i < tags.size(); ++i) {
        bool ok = false;
        const int tag = tags[i].toInt(&ok);
        if (ok) popUp->setItemData(i, tag);
    }
}

std::optional<int> selectedTag(const QComboBox* popUp) {
    if (popUp->currentIndex() < 0) return std::nullopt;
    bool ok = false;
    const int tag = popUp->currentData().toInt(&ok);
    if (!ok) return std::nullopt;
    return tag;
}

void setItemEnabled(QComboBox* popUp, int index, bool enabled) {
    auto* model = qobject_cast<QStandardItemModel*>(popUp->model());
    if (model == nullptr || index < 0 || index >= model->rowCount()) return;
    model->item(index)->setEnabled(enabled);
}

bool isItemEnabled(const QComboBox* popUp, int index) {
    const auto* model = qobject_cast<const QStandardItemModel*>(popUp->model());
    if (model == nullptr || index < 0 || index >= model->rowCount()) return false;
    return model->item(index)->isEnabled();
}

} // namespace appui
