// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "TestFiles.h"

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

// A machine-wide settings file with the given contents, in a folder of its own, while it lives.
class SystemSettingsFile
{
public:
    explicit SystemSettingsFile(const QByteArray &contents = QByteArray())
    {
        const QString path = m_folder.filePath(QStringLiteral("korvalin.conf"));
        m_written = m_folder.isValid() && (contents.isEmpty() || writeBytes(path, contents));
        m_settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }

    bool isValid() const { return m_written; }
    const QSettings &settings() const { return *m_settings; }

private:
    QTemporaryDir m_folder;
    bool m_written = false;
    std::unique_ptr<QSettings> m_settings;
};
