#pragma once
#include <QString>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

namespace charts {

// The interface forms an application offers by name. Its forms are Designer
// files compiled into it, not files loaded at run time, so each form is
// offered as a factory that builds the form's top-level widget with its
// content (the widget's class, then the compiled form's setupUi on it):
//
//     FormBundle::main().add("BalloonMarker", [] {
//         auto view = std::make_unique<BalloonMarker>();
//         Ui::BalloonMarker().setupUi(view.get());
//         return view;
//     });
//
// Main thread only, like the widgets it makes.
class FormBundle {
public:
    using Factory = std::function<std::unique_ptr<QWidget>()>;

    // The application's own forms.
    static FormBundle& main();

    // Offers a form under a name; a later form of the same name replaces it.
    void add(const QString& name, Factory factory);
    bool contains(const QString& name) const;

    // A new top-level widget of the named form, without a parent; none when
    // no form has the name or its factory makes nothing.
    std::unique_ptr<QWidget> load(const QString& name) const;

private:
    std::map<QString, Factory> factories_;
};

} // namespace charts
