#include "app/ui/widgets/SegmentedControl.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace appui {

SegmentedControl::SegmentedControl(QWidget* parent) : QWidget(parent), group_(new QButtonGroup(this)) {
    group_->setExclusive(true);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    connect(group_, &QButtonGroup::idClicked, this, &SegmentedControl::segmentClicked);
}

void SegmentedControl::setSegmentTitles(const QStringList& titles) {
    const int selected = selectedSegment();
    for (QAbstractButton* button : group_->buttons()) {
        group_->removeButton(button);
        delete button;
    }
    titles_ = titles;
    for (int i = 0; i < titles_.size(); ++i) {
        auto* button = new QToolButton(this);
        button->setObjectName(QStringLiteral("segment%1").arg(i));
        button->setText(titles_[i]);
        button->setCheckable(true);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        group_->addButton(button, i);
        layout()->addWidget(button);
    }
    setSelectedSegment(selected < 0 ? 0 : selected);
}

int SegmentedControl::selectedSegment() const { return group_->checkedId(); }

void SegmentedControl::setSelectedSegment(int segment) {
    if (QAbstractButton* button = group_->button(segment)) button->setChecked(true);
}

} // namespace appui
