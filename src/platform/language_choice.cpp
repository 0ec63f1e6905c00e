// The language the program speaks, from the locale or from --language.
#include "platform/language_choice.h"

#include <QProcessEnvironment>
#include <QStringList>

namespace uilanguage {
namespace {

// The language part of a locale name: "de" of "de_DE.UTF-8@euro".
QString languageOf(const QString &locale)
{
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end) != u'_' && locale.at(end) != u'.' && locale.at(end) != u'@')
        ++end;
    return locale.left(end).toLower();
}

// The language the program has for `language`; none where it has no
// translation of its own (English stands in for those).
std::optional<Language> known(const QString &language)
{
    if (language == u"nb" || language == u"nn" || language == u"no")
        return Language::Norwegian;
    if (language == u"de")
        return Language::German;
    if (language == u"en")
        return Language::English;
    return std::nullopt;
}

} // namespace

Language fromEnvironment(const QProcessEnvironment &environment)
{
    QString locale;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    const QString language = languageOf(locale);
    if (language.isEmpty() || language == u"c" || language == u"posix")
        return Language::Norwegian;
    const QStringList list = environment.value(QStringLiteral("LANGUAGE")).split(u':', Qt::SkipEmptyParts);
    // A list of languages of which the program has none: English, as for
    // any other language; the locale does not come in again.
    if (!list.isEmpty()) {
        for (const QString &entry : list)
            if (const std::optional<Language> found = known(languageOf(entry)))
                return *found;
        return Language::English;
    }
    return known(language).value_or(Language::English);
}

std::optional<Language> fromCode(const QString &code)
{
    const QString lower = code.toLower();
    if (lower == u"nb")
        return Language::Norwegian;
    if (lower == u"en")
        return Language::English;
    if (lower == u"de")
        return Language::German;
    return std::nullopt;
}

QString code(Language language)
{
    switch (language) {
    case Language::English: return QStringLiteral("en");
    case Language::German: return QStringLiteral("de");
    case Language::Norwegian: break;
    }
    return QStringLiteral("nb");
}

} // namespace uilanguage
