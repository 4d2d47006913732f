#pragma once
// The blending screen as its tests meet it: made with scripted panels and
// quiet logs, its controls found by their object names, and the user's own
// changes delivered as the controls deliver them.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QString>
#include <memory>

#include "app/curves/core/NotificationNames.h"
#include "app/ui/blending/v2InkModelBlendingViewController.h"
#include "app/ui/widgets/NotificationPayloads.h"
#include "platform/testing/LogCapture.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/ui/ui_test_support.h"

namespace appui::uitest {

struct BlendingScreenFixture {
    platform::ScriptedServices services;
    platform::LogCapture log;
    PostedObjects posted{curves::NotificationName::didUpdateBlendedQuadValues()};
    std::unique_ptr<v2InkModelBlendingViewController> screen = std::make_unique<v2InkModelBlendingViewController>();

    template <class Widget>
    Widget* find(const char* name) const {
        auto* widget = screen->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) ADD_FAILURE() << "no " << name << " in the blending screen";
        return widget;
    }
    QComboBox* popUp(const char* name) const { return find<QComboBox>(name); }
    QSlider* slider(const char* name) const { return find<QSlider>(name); }
    QString text(const char* name) const { return find<QLabel>(name)->text(); }

    // The user picks an item of a pop-up.
    void choose(const char* popUpName, int index) const {
        QComboBox* p = popUp(popUpName);
        p->setCurrentIndex(index);
        emit p->activated(index);
    }
    // The user drags a slider to a position (by way of a neighbouring one
    // when it is there already, so that the last move always reaches it).
    void drag(const char* sliderName, int position) const {
        QSlider* s = slider(sliderName);
        if (s->value() == position) s->setSliderPosition(position == s->maximum() ? position - 1 : position + 1);
        s->setSliderPosition(position);
    }
    // One turn of the event loop: the queued label and notes update runs.
    static void turn() { QApplication::processEvents(); }
    std::string notes() const { return screen->quadData->quadNotes.value_or(""); }
};

} // namespace appui::uitest
