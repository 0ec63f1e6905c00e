// The language of the window and the command line: the program's translation
// (built in under :/i18n) and Qt's own.
#include "app/qt_translation.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace {

// The object name of the translators installed here, so that a new language
// takes the place of the old one.
const QString kInstalled = QStringLiteral("os2setup-translation");

// Loads `file` from `folder` and installs it in `app`; null when it is not there.
const QTranslator *install(QCoreApplication &app, const QString &file, const QString &folder)
{
    auto *translator = new QTranslator(&app);
    if (!translator->load(file, folder)) {
        delete translator;
        return nullptr;
    }
    translator->setObjectName(kInstalled);
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace

QString installQtTranslation(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString &name : {QStringLiteral("qtbase_nb"), QStringLiteral("qtbase_nn")}) {
        if (const QTranslator *translator = install(app, name, folder))
            return translator->filePath();
    }
    return {};
}

bool installTranslations(QCoreApplication &app, uilanguage::Language language)
{
    for (QTranslator *old : app.findChildren<QTranslator *>(kInstalled, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    using uilanguage::Language;
    if (language == Language::Norwegian) {
        installQtTranslation(app);
        return true;
    }
    const QString code = uilanguage::code(language);
    const bool ours = install(app, QStringLiteral("os2setup_") + code, QStringLiteral(":/i18n")) != nullptr;
    if (language == Language::German)
        install(app, QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return ours;
}

void setUpApplication(QApplication &app, uilanguage::Language language)
{
    installTranslations(app, language);
    QApplication::setApplicationName(QCoreApplication::translate("os2setup", "Rediger CONFIG.SYS"));
    QApplication::setDesktopFileName(QStringLiteral("os2setup"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}
