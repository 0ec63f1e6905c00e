// The line registers: where each managed statement stood at the last search.
#pragma once

#include "engine/search.h"

// All registers hold 0 until first set, not NoLine; a register may outlive the
// document it was found in, so read lines through lineIn().
struct Registers
{
    LinePos AutostartLine = 0;
    LinePos RunWorkplaceLine = 0;
    LinePos RestartObjectsLine = 0;
    LinePos ProtectOnlyLine = 0;
    LinePos ThreadsLine = 0;
    LinePos MaxWaitLine = 0;
    LinePos PriorityLine = 0;
    LinePos TimeSliceLine = 0;
    LinePos ShellLine = 0;
    LinePos DiskCacheLine = 0;
    LinePos HpfsLine = 0;
    LinePos CdfsLine = 0;
    LinePos LanIfsLine = 0;
    LinePos MfsLine = 0;

    // Every register at NoLine: what the pages see in a document that holds
    // none of the statements.
    static Registers none()
    {
        return Registers{NoLine, NoLine, NoLine, NoLine, NoLine, NoLine, NoLine,
                         NoLine, NoLine, NoLine, NoLine, NoLine, NoLine, NoLine};
    }
};
