// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FileStamp.h"
#include "print/PrintRequest.h"
#include "print/PrintSettings.h"

#include <variant>

// What the print settings window edits, and shows again when it next opens however it was
// left.
struct PrintChoices
{
    PrintRun run;
    PrintSettings settings;
    // The automatic numbering box as the user left it. The run numbers only once it is
    // printed or previewed with the box ticked.
    bool numberingTicked = false;
    // The settings file as the window last read or wrote it.
    KnownFile settingsFileOnDisk;

    // The list as the user typed, pasted or loaded it, and the file it was last loaded from
    // or saved to.
    QString listText;
    QString listFileName;

    // A list that does not read prints nothing: the window refuses it before printing.
    PrintRequest request() const
    {
        if (run.mode != PrintMode::List)
            return {run, settings.layout, LabelList()};
        const std::variant<LabelList, ListRefusal> list = LabelListText::parse(listText);
        const LabelList *read = std::get_if<LabelList>(&list);
        return {run, settings.layout, read ? *read : LabelList()};
    }
};
