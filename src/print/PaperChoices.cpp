// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PaperChoices.h"

#include <algorithm>

namespace {

bool isBorderless(const cups_size_t &size)
{
    return size.left == 0 && size.right == 0 && size.top == 0 && size.bottom == 0;
}

bool sameSheet(const cups_size_t &one, const cups_size_t &other)
{
    return one.width == other.width && one.length == other.length;
}

// CUPS's dimensions, in any language, begin with the width's digits; a size's name does not.
bool isDimensions(const QString &name)
{
    return name.isEmpty() || name.front().isDigit();
}

} // namespace

namespace PaperChoices {

QList<cups_size_t> withoutBorderlessCopies(const QList<cups_size_t> &media,
                                           const QString &defaultKeyword)
{
    QList<cups_size_t> kept;
    for (const cups_size_t &size : media) {
        const bool offeredWithMargins =
            std::any_of(media.cbegin(), media.cend(), [&size](const cups_size_t &other) {
                return !isBorderless(other) && sameSheet(other, size);
            });
        if (!isBorderless(size) || !offeredWithMargins ||
            QString::fromUtf8(size.media) == defaultKeyword)
            kept.append(size);
    }
    return kept;
}

QString shownName(const QString &cupsName, const cups_size_t &size)
{
    if (!isDimensions(cupsName))
        return cupsName;
    const pwg_media_t *standard = pwgMediaForPWG(size.media);
    // Custom and unnamed sizes have only their dimensions as a short name too.
    if (standard && standard->ppd && !isDimensions(QString::fromUtf8(standard->ppd)))
        return QString::fromUtf8(standard->ppd);
    return cupsName;
}

} // namespace PaperChoices
