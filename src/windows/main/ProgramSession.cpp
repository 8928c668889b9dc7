// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/main/ProgramSession.h"

ProgramSession::ProgramSession(const ProgramStart &programStart) : start(programStart)
{
    // A document named on the command line leaves the start position unset until the
    // print settings window asks for it.
    if (start.withDocument)
        print.run.startPosition = 0;
}
