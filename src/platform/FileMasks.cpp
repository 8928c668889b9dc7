// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/FileMasks.h"

namespace FileMasks {

QStringList nameFilters(const QString &pattern)
{
    QStringList filters;
    for (const QString &part : pattern.split(QLatin1Char(';'))) {
        const QString mask = part.trimmed();
        if (mask.isEmpty())
            continue;
        filters.append(mask == QLatin1String("*.*") ? QStringLiteral("*") : mask);
    }
    return filters;
}

QList<QRegularExpression> expressions(const QString &pattern)
{
    QList<QRegularExpression> masks;
    for (const QString &mask : nameFilters(pattern)) {
        QString expression;
        for (const QChar c : mask) {
            if (c == QLatin1Char('*'))
                expression += QStringLiteral(".*");
            else if (c == QLatin1Char('?'))
                expression += QLatin1Char('.');
            else
                expression += QRegularExpression::escape(QString(c));
        }
        masks.append(QRegularExpression(QRegularExpression::anchoredPattern(expression),
                                        QRegularExpression::CaseInsensitiveOption |
                                            QRegularExpression::DotMatchesEverythingOption));
    }
    return masks;
}

} // namespace FileMasks
