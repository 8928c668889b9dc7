#include "platform/SystemInfoTool.h"

#include "platform/SettingsStore.h"

#include <QStandardPaths>

namespace SystemInfoTool {

QStringList wellKnownPrograms()
{
    return {QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("lshw-gtk"), QStringLiteral("cpu-x")};
}

QString locate(const KeyValueStore &settings)
{
    QString named;
    if (GetKeyValue(settings, HKEY_LOCAL_MACHINE, QLatin1String(Key), QLatin1String(PathValue),
                    named) &&
        !named.isEmpty())
        return named;
    for (const QString &program : wellKnownPrograms()) {
        const QString found = QStandardPaths::findExecutable(program);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

} // namespace SystemInfoTool
