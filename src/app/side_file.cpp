// A side file (STARTUP.CMD, AUTOEXEC.BAT) edited whole in a memo.
#include "side_file.h"

#include "line_file.h"
#include "text8_memo.h"

#include <QCheckBox>
#include <QPushButton>

void showSideFile(const DriveMap &drives, const SideFilePanel &panel)
{
    const bool exists = linefile::exists(drives, panel.path);
    // A change of the box runs its handler, and so this, once more inside.
    panel.box->setChecked(exists);
    panel.ny->setEnabled(!exists);
    panel.slett->setEnabled(exists);
    panel.lagre->setEnabled(panel.memo->lineCount() > 0);
    if (exists)
        panel.memo->setLines(linefile::load(drives, panel.path));
    else
        linefile::refuseSpecialFile(drives, panel.path);
}
