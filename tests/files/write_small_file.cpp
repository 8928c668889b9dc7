// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// write_small_file PATH TEXT: saves TEXT at PATH as a document would, as whatever user runs
// it, so that the tests see what permission bits make of a save. Prints why a refused save
// was refused and exits 1.
#include "files/SmallFile.h"

#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[])
{
    if (argc != 3)
        return 2;
    const SmallFile::WriteResult result =
        SmallFile::write(QFile::decodeName(argv[1]), QByteArray(argv[2]));
    QTextStream(stdout) << result.reason;
    return result ? 0 : 1;
}
