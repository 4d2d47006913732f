#include <QApplication>

#include "app/ui/shell/ApplicationShell.h"
#include "app/ui/shell/MainWindow.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Vellumcrest"));
    QApplication::setApplicationName(QStringLiteral("Tintsmith"));

    appui::ApplicationShell shell;
    shell.mainWindow().show();
    app.exec();
    return 0;
}
