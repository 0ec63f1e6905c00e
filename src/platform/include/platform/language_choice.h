// The language the program speaks: Norwegian (its own), English or German,
// from the locale or from --language.
#pragma once

#include <QString>

#include <optional>

class QProcessEnvironment;

namespace uilanguage {

enum class Language { Norwegian, English, German };

// The language of the locale in `environment`, read as glibc reads the
// language of messages: LC_ALL, else LC_MESSAGES, else LANG names the locale
// (an empty variable counts as unset); in the C and POSIX locales (also
// C.UTF-8, and with none of the three set) the program speaks Norwegian, its
// own language, and LANGUAGE is not consulted. Otherwise the first entry of
// LANGUAGE (a list split at ':') that names a language the program has wins
// (English when it names none of them), and without LANGUAGE the locale's
// own language: nb, nn and no are Norwegian, de German, every other language
// English.
[[nodiscard]] Language fromEnvironment(const QProcessEnvironment &environment);

// The language of --language CODE: nb, en or de (letter case aside); none for
// anything else.
[[nodiscard]] std::optional<Language> fromCode(const QString &code);

// The code of `language`: "nb", "en" or "de".
[[nodiscard]] QString code(Language language);

} // namespace uilanguage
