// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Typed values found by a root, a key and a value name: where the program once read the
// registry. On this system the machine-wide root is a settings file the administrator
// writes (SystemSettingsFile); tests use a store held in memory.

// The machine-wide root; the only one the settings file holds.
inline constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;

// Types of stored values: a text, and a 32-bit number kept as four little-endian bytes.
inline constexpr quint32 REG_SZ = 1;
inline constexpr quint32 REG_DWORD = 4;

struct StoredValue
{
    quint32 type = REG_SZ;
    QByteArray data;
};

class KeyValueStore
{
public:
    virtual ~KeyValueStore() = default;
    // The value, or nothing when the key or the value does not exist.
    virtual std::optional<StoredValue> read(quint32 root, const QString &key,
                                            const QString &name) const = 0;
};

// Reads value name of key under root into value: a text as it is stored (without a
// terminating zero), a 32-bit number in decimal; a value of any other type leaves value as
// it was. False, with value emptied, when there is no such value or it is longer than
// 1024 characters.
bool GetKeyValue(const KeyValueStore &store, quint32 root, const QString &key, const QString &name,
                 QString &value);

// The administrator's settings file for the whole machine, an INI file: a key is a
// [group], a value a line "name=text". A text "dword:" followed by eight hexadecimal
// digits is a 32-bit number, as in the registry's own export files.
class SystemSettingsFile : public KeyValueStore
{
public:
    explicit SystemSettingsFile(const QString &path = defaultPath());

    std::optional<StoredValue> read(quint32 root, const QString &key,
                                    const QString &name) const override;

    static QString defaultPath();

private:
    QString m_path;
};
