#pragma once

#include <QByteArray>
#include <QString>

// Whole-file reads and writes for the tests' own files.
QByteArray fileBytes(const QString &path); // empty when it cannot be read
[[nodiscard]] bool writeBytes(const QString &path, const QByteArray &bytes);
