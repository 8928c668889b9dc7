// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/LabelFonts.h"

#include <QFile>
#include <QFontInfo>
#include <QLoggingCategory>

#include <fontconfig/fontconfig.h>

Q_LOGGING_CATEGORY(lcLabelFonts, "korvalin.fonts")

// The alias file is a resource of a static library, whose registration the linker would
// otherwise drop; Q_INIT_RESOURCE must be called from the global namespace.
static QByteArray aliasConfiguration()
{
    Q_INIT_RESOURCE(korvalin_fonts);
    QFile file(QStringLiteral(":/platform/korvalin-fonts.conf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

namespace LabelFonts {

void install()
{
    static const bool installed = [] {
        const QByteArray configuration = aliasConfiguration();
        // FcInit loads the machine's configuration once; the aliases go on top of it, and
        // Qt, which calls FcInit again later, finds it loaded and uses it as it is.
        const bool loaded =
            !configuration.isEmpty() && FcInit() &&
            FcConfigParseAndLoadFromMemory(
                FcConfigGetCurrent(), reinterpret_cast<const FcChar8 *>(configuration.constData()),
                FcTrue);
        if (!loaded)
            qCWarning(lcLabelFonts, "the program's font aliases could not be added to fontconfig");
        return loaded;
    }();
    Q_UNUSED(installed);
}

QFont font(const QString &name, qreal pointSize, bool bold, bool italic)
{
    install();
    QFont result(name);
    result.setPointSizeF(pointSize);
    result.setBold(bold);
    result.setItalic(italic);
    return result;
}

QString drawnFamily(const QString &name)
{
    return QFontInfo(font(name, 12, false, false)).family();
}

} // namespace LabelFonts
