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

} // namespace FileMasks
