// A start without a screen ends with one line and status 3.
#include "app/display_guard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

namespace {

// `source` in the language of `own`, a translation loaded before the
// application exists (and with it the translations installed in it); else in
// the language installed.
QString say(const QTranslator *own, const char *source)
{
    if (own)
        if (const QString text = own->translate("DisplayGuard", source); !text.isEmpty())
            return text;
    return QCoreApplication::translate("DisplayGuard", source);
}

QString noDisplayLine(const QTranslator *own, const QString &cause)
{
    return say(own, QT_TRANSLATE_NOOP("DisplayGuard",
                                      "os2setup: finner ingen skjerm (%1); bruk --check for en sjekk uten vindu"))
        .arg(cause);
}

struct Waiting
{
    QtMsgType type;
    QByteArray category;
    QString text;
};

QtMessageHandler s_previous = nullptr;
QList<Waiting> *s_waiting = nullptr;
QString *s_failureLine = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // The platform could not start; the toolkit would abort now.
        std::fprintf(stderr, "%s\n", s_failureLine->toLocal8Bit().constData());
        std::fflush(stderr);
        std::_Exit(NoDisplayStatus);
    }
    s_waiting->append({type, QByteArray(context.category ? context.category : "default"), text});
}

// The platform asked for: -platform NAME on the command line, else QT_QPA_PLATFORM.
QString requestedPlatform(const QProcessEnvironment &environment, const QStringList &arguments)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if ((argument == u"-platform" || argument == u"--platform") && i + 1 < arguments.size())
            return arguments[i + 1];
        for (const QString &prefix : {QStringLiteral("-platform="), QStringLiteral("--platform=")})
            if (argument.startsWith(prefix))
                return argument.mid(prefix.size());
    }
    return environment.value(QStringLiteral("QT_QPA_PLATFORM"));
}

} // namespace

std::optional<QString> missingDisplay(const QProcessEnvironment &environment, const QStringList &arguments)
{
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (!environment.value(QLatin1String(variable)).isEmpty())
            return std::nullopt;
    if (!requestedPlatform(environment, arguments).isEmpty())
        return std::nullopt;
    return noDisplayLine(nullptr, say(nullptr, QT_TRANSLATE_NOOP("DisplayGuard", "DISPLAY/WAYLAND_DISPLAY er ikke satt")));
}

PlatformStartGuard::PlatformStartGuard(const QProcessEnvironment &environment, const QStringList &arguments,
                                       uilanguage::Language language)
{
    // The line is made now, before the application exists: a translation of
    // its own, loaded from the program's resources.
    QTranslator translator;
    const QTranslator *own = nullptr;
    if (language != uilanguage::Language::Norwegian
        && translator.load(QStringLiteral("os2setup_") + uilanguage::code(language), QStringLiteral(":/i18n")))
        own = &translator;
    QString cause;
    if (const QString platform = requestedPlatform(environment, arguments); !platform.isEmpty())
        cause = say(own, QT_TRANSLATE_NOOP("DisplayGuard", "plattformen «%1» kunne ikke startes")).arg(platform);
    else if (const QString display = environment.value(QStringLiteral("DISPLAY")); !display.isEmpty())
        cause = say(own, QT_TRANSLATE_NOOP("DisplayGuard", "DISPLAY=%1 svarer ikke")).arg(display);
    else if (const QString wayland = environment.value(QStringLiteral("WAYLAND_DISPLAY")); !wayland.isEmpty())
        cause = say(own, QT_TRANSLATE_NOOP("DisplayGuard", "WAYLAND_DISPLAY=%1 svarer ikke")).arg(wayland);
    else
        cause = say(own, QT_TRANSLATE_NOOP("DisplayGuard", "plattformen kunne ikke startes"));
    s_failureLine = new QString(noDisplayLine(own, cause));
    s_waiting = new QList<Waiting>;
    s_previous = qInstallMessageHandler(handleMessage);
}

PlatformStartGuard::~PlatformStartGuard()
{
    qInstallMessageHandler(s_previous);
    for (const Waiting &message : std::as_const(*s_waiting)) {
        const QMessageLogContext context(nullptr, 0, nullptr, message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    delete s_waiting;
    delete s_failureLine;
    s_waiting = nullptr;
    s_failureLine = nullptr;
}
