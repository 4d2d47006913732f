#pragma once
// The one Qt application of a benchmark process, made on first use on the
// offscreen platform unless QT_QPA_PLATFORM names another. It is never
// destroyed: benchmarks end in exit(), where Qt's own globals made after the
// application may already be gone, so destroying it then crashes.
#include <QApplication>

namespace bench {

inline QApplication& qtApplication() {
    static QApplication* const application = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "benchmark";
        static char* argv[] = {name, nullptr};
        return new QApplication(argc, argv);
    }();
    return *application;
}

} // namespace bench
