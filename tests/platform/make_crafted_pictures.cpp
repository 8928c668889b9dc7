// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the crafted pictures into a folder: run-fuzz.sh adds them to the picture fuzzer's
// seeds, and timing them by hand is one `korvalin --pdf` each.
//   make_crafted_pictures FOLDER
#include "CraftedPictures.h"

#include <QDir>
#include <QFile>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_crafted_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QFile::decodeName(argv[1]));
    if (!folder.mkpath(QStringLiteral(".")))
        return 1;
    for (const CraftedPictures::Named &picture : CraftedPictures::reportedFiles()) {
        QFile file(folder.filePath(picture.fileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(picture.bytes) != picture.bytes.size() ||
            !file.flush()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}
