// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "cli/CommandLine.h"

#include <QString>
#include <QStringList>
#include <QTextStream>

// One headless run, in this process, with what it wrote on each stream.
struct CommandLineOutcome
{
    int status;
    QString out, err;
};

// Arguments as a script writes them, one space apart.
inline QStringList args(const char *line)
{
    return QString::fromUtf8(line).split(u' ');
}

inline CommandLineOutcome runCommandLine(const QStringList &arguments)
{
    CommandLineOutcome o{0, {}, {}};
    QTextStream out(&o.out), err(&o.err);
    o.status = CommandLine::run(arguments, out, err);
    out.flush();
    err.flush();
    return o;
}
