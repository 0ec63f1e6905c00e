// A start without a screen ends with one line and status 3, never with the
// toolkit's abort and core dump.
#pragma once

#include "platform/language_choice.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The exit status of a start that finds no screen.
inline constexpr int NoDisplayStatus = 3;

// The line to print when `environment` names no screen and no platform at all
// (neither DISPLAY, WAYLAND_DISPLAY nor QT_QPA_PLATFORM, nor -platform among
// `arguments`); nothing when a window may be possible.
std::optional<QString> missingDisplay(const QProcessEnvironment &environment, const QStringList &arguments);

// While it lives, a platform that fails to start (a DISPLAY that does not
// answer, or the one `arguments` or `environment` ask for) prints one such line and ends the program with NoDisplayStatus
// instead of aborting, in `language`. The toolkit's other messages meanwhile
// wait and are passed on when it ends.
class PlatformStartGuard
{
public:
    PlatformStartGuard(const QProcessEnvironment &environment, const QStringList &arguments,
                       uilanguage::Language language = uilanguage::Language::Norwegian);
    ~PlatformStartGuard();
    PlatformStartGuard(const PlatformStartGuard &) = delete;
    PlatformStartGuard &operator=(const PlatformStartGuard &) = delete;
};
