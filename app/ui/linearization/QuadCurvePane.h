#pragma once
#include <string>

#include "app/ui/linearization/LinearizationShown.h"

class QAbstractButton;
class QLabel;
class QPlainTextEdit;

namespace curves {
class QuadDataFile;
}

namespace appui {

class QuadCurveGraph;

// The quad side's pane of the linearization screen: the loaded .quad file's
// name and notes, its ink curves in the graph, and the last two of the
// channel switches, titled for the file's inks.
class QuadCurvePane {
public:
    QuadCurvePane(QuadCurveGraph& graph, QLabel& fileName, QPlainTextEdit& notes, QAbstractButton& ninthSwitch,
                  QAbstractButton& tenthSwitch);

    // The file's name and notes, and the ninth and tenth switches titled for
    // its inks (hidden for a file of fewer than nine): titles left from the
    // file before would name inks this one lacks.
    void showFile(const curves::QuadDataFile& quad);
    // The curves in the graph, under the file's ink names.
    void showCurves(linearization::QuadCurvesShown curves);
    // The notes as they stand, edited by the user or not.
    std::string notes() const;

private:
    QuadCurveGraph& graph_;
    QLabel& fileName_;
    QPlainTextEdit& notes_;
    QAbstractButton& ninthSwitch_;
    QAbstractButton& tenthSwitch_;
};

} // namespace appui
