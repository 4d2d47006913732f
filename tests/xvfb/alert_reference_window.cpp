// Shows one alert through the application's own alert presenter, with the
// style and texts given on the command line, on the display the environment
// names. A script compares its window, pixel for pixel, with an alert the
// running application shows: the same presenter, style and fonts on the same
// display draw the same pixels exactly when the texts are the same, which no
// X property of the alert would tell.
//
//   alert_reference_window warning|informational|critical <message> <informative text> [<detailed text>]
//
// Prints "shown" once the alert's event loop runs; ends when it is closed.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <string>

#include "platform/Services.h"
#include "platform/qt/QtServices.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 4 && argc != 5) {
        std::fputs("usage: alert_reference_window warning|informational|critical <message> <informative text> "
                   "[<detailed text>]\n",
                   stderr);
        return 2;
    }
    const std::string style = argv[1];
    platform::AlertContent alert{platform::AlertStyle::warning, argv[2], argv[3], argc == 5 ? argv[4] : ""};
    if (style == "informational")
        alert.style = platform::AlertStyle::informational;
    else if (style == "critical")
        alert.style = platform::AlertStyle::critical;
    else if (style != "warning")
        return 2;
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
    });
    platform::makeQtAlertPresenter(nullptr)->runModal(alert);
    return 0;
}
