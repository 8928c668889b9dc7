// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrintSettingsFile.h"

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the print settings reader. Whatever reads must write and read
// again as the very same settings.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<PrintSettingsFile::Layout> first = PrintSettingsFile::decode(bytes);
    if (!first)
        return 0;
    const std::optional<PrintSettingsFile::Layout> second =
        PrintSettingsFile::decode(PrintSettingsFile::encode(*first));
    if (!second || second->sheetSpacing != first->sheetSpacing ||
        second->printFrame != first->printFrame ||
        second->printCutOutline != first->printCutOutline)
        std::abort();
    return 0;
}
