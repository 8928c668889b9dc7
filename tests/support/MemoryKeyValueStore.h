// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/SettingsStore.h"

#include <QMap>
#include <tuple>

// Machine-wide settings held in memory, filled by the test.
class MemoryKeyValueStore : public KeyValueStore
{
public:
    void set(quint32 root, const QString &key, const QString &name, const StoredValue &value)
    {
        m_values.insert(std::make_tuple(root, key, name), value);
    }

    std::optional<StoredValue> read(quint32 root, const QString &key,
                                    const QString &name) const override
    {
        const auto found = m_values.constFind(std::make_tuple(root, key, name));
        if (found == m_values.constEnd())
            return std::nullopt;
        return *found;
    }

private:
    QMap<std::tuple<quint32, QString, QString>, StoredValue> m_values;
};
