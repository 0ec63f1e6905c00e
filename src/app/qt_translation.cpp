// Qt's own texts (the edit line's context menu, standard buttons and dialogs)
// in Norwegian, like the rest of the window.
#include "app/qt_translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

QString installQtTranslation(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &name : {QStringLiteral("qtbase_nb"), QStringLiteral("qtbase_nn")}) {
        auto *translator = new QTranslator(&app);
        if (translator->load(name, folder)) {
            QCoreApplication::installTranslator(translator);
            return translator->filePath();
        }
        delete translator;
    }
    return {};
}

void setUpApplication(QApplication &app)
{
    QApplication::setApplicationName(QStringLiteral("Rediger CONFIG.SYS"));
    QApplication::setDesktopFileName(QStringLiteral("os2setup"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installQtTranslation(app);
}
