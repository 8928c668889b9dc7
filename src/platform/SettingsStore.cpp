// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/SettingsStore.h"

#include <QSettings>
#include <QStringList>
#include <QtEndian>

namespace {

// Longer values are refused: the value names a program to start, and no path is that long.
constexpr int BufferCharacters = 1024;

QString numberText(const QByteArray &data)
{
    QByteArray bytes = data.left(4);
    bytes.append(4 - bytes.size(), '\0');
    return QString::number(qFromLittleEndian<quint32>(bytes.constData()));
}

std::optional<StoredValue> numberValue(const QString &text)
{
    static const QLatin1String prefix("dword:");
    if (!text.startsWith(prefix, Qt::CaseInsensitive) || text.size() != prefix.size() + 8)
        return std::nullopt;
    bool ok = false;
    const quint32 number = text.mid(prefix.size()).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    QByteArray data(4, '\0');
    qToLittleEndian(number, data.data());
    return StoredValue{REG_DWORD, data};
}

} // namespace

bool GetKeyValue(const KeyValueStore &store, quint32 root, const QString &key, const QString &name,
                 QString &value)
{
    const std::optional<StoredValue> stored = store.read(root, key, name);
    if (!stored || stored->data.size() > BufferCharacters) {
        value.clear();
        return false;
    }
    QByteArray characters = stored->data;
    if (characters.endsWith('\0'))
        characters.chop(1);
    if (stored->type == REG_SZ)
        value = QString::fromUtf8(characters);
    else if (stored->type == REG_DWORD)
        value = numberText(stored->data);
    return true;
}

SystemSettingsFile::SystemSettingsFile(const QString &path) : m_path(path) {}

QString SystemSettingsFile::defaultPath()
{
    return QStringLiteral("/etc/xdg/korvalin/korvalin.conf");
}

std::optional<StoredValue> SystemSettingsFile::read(quint32 root, const QString &key,
                                                    const QString &name) const
{
    if (root != HKEY_LOCAL_MACHINE)
        return std::nullopt;
    const QSettings file(m_path, QSettings::IniFormat);
    const QString path =
        QString(key).replace(QLatin1Char('\\'), QLatin1Char('/')) + QLatin1Char('/') + name;
    const QVariant stored = file.value(path);
    if (!stored.isValid())
        return std::nullopt;
    // An unquoted text with commas comes back as a list.
    const QString text = stored.userType() == QMetaType::QStringList
                             ? stored.toStringList().join(QLatin1Char(','))
                             : stored.toString();
    if (const std::optional<StoredValue> number = numberValue(text))
        return number;
    return StoredValue{REG_SZ, text.toUtf8()};
}
