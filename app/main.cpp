#include "MessageBoxDialog.h"
#include "MobileLink.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(orrin::kAppTitle);
    orrin::InstallMessageBoxDialog();
    orrin::TheMobileLink();

    QMainWindow frame;
    frame.setWindowTitle(orrin::kAppTitle);
    frame.resize(800, 600);
    frame.show();
    return app.exec();
}
