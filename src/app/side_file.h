// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo, with the box
// that shows whether it exists and its three buttons.
#pragma once

#include <QString>

class DriveMap;
class QCheckBox;
class QPushButton;
class Text8Memo;

struct SideFilePanel
{
    QString path;
    QCheckBox *box = nullptr;
    QPushButton *ny = nullptr;
    QPushButton *lagre = nullptr;
    QPushButton *slett = nullptr;
    Text8Memo *memo = nullptr;
};

// Sets the box from the file's existence, enables "Ny" without the file,
// "Slett" with it and "Lagre" when the memo holds a line (counted before any
// load), then loads the file into the memo when it exists. Throws FileError.
void showSideFile(const DriveMap &drives, const SideFilePanel &panel);
