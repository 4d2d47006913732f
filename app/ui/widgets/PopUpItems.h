#pragma once
#include <optional>

class QComboBox;

namespace appui {

// Pop-up buttons whose items carry tags: the interface resource lists the
// items' tags in the pop-up's "itemTags" property, in item order; they are
// moved into the items' data when the screen loads.
void takeItemTags(QComboBox* popUp);

// The tag of the selected item; nothing when no item is selected or it has none.
std::optional<int> selectedTag(const QComboBox* popUp);

// Enables or disables the item at an index (a missing index is ignored).
void setItemEnabled(QComboBox* popUp, int index, bool enabled);
bool isItemEnabled(const QComboBox* popUp, int index);

} // namespace appui
