// Program entry: reads the configuration file named on the command line (or
// C:\CONFIG.SYS) into the main window and runs it.
#include "app/os2form.h"
#include "app/qt_translation.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rediger CONFIG.SYS"));
    QApplication::setDesktopFileName(QStringLiteral("os2setup"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installQtTranslation(app);

    TOs2Form Os2Form(QApplication::arguments().mid(1), DriveMap::fromEnvironment());
    Os2Form.show();
    return QApplication::exec();
}
