// Start-up: the main window with its grid settings, and the curve window created hidden.
#include "plot/plotsurface.h"
#include "windows/main/frmmain.h"
#include "windows/windows.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Zeltaplot"));
    app.setQuitOnLastWindowClosed(false);
    // Message and input boxes use the windows' face too.
    app.setFont(zelta::defaultWindowFont());
    zelta::windows().quitWhenEmpty = true;
    zelta::FrmMain *main = zelta::windows().frmMain();
    main->show();
    main->activateWindow();
    return app.exec();
}
