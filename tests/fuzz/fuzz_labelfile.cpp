// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelFile.h"

#include <cstdint>
#include <cstdlib>

// Feeds arbitrary bytes to the label-file reader. Whatever opens must save and open again
// as the very same document, or a user's label would change under a plain Save.

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<LabelDocument> first = LabelFile::decode(bytes);
    if (!first)
        return 0;
    const std::optional<QByteArray> saved = LabelFile::encode(*first);
    if (!saved)
        std::abort(); // an opened label that cannot be saved again
    const std::optional<LabelDocument> second = LabelFile::decode(*saved);
    if (!second || *second != *first)
        std::abort();
    return 0;
}
