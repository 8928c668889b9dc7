// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/CupsModule.h"

#include "print/CupsService.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QLibrary>

namespace {

struct LoadedModule
{
    CupsService *service = nullptr;
    QString failure;
};

QString modulePath()
{
    const QString named = qEnvironmentVariable("KORVALIN_CUPS_MODULE");
    if (!named.isEmpty())
        return named;
    // The build tree lays the module out as the installed tree does, relative to the program.
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral(KORVALIN_CUPS_MODULE_FROM_PROGRAM));
}

LoadedModule load()
{
    // Never unloaded: the module's threads and Qt's post routines it registers outlive any
    // caller.
    auto *library = new QLibrary(modulePath());
    using Entry = CupsService *(*)();
    const auto entry = reinterpret_cast<Entry>(library->resolve(KORVALIN_CUPS_SERVICE_ENTRY_NAME));
    CupsService *service = entry ? entry() : nullptr;
    if (!service) {
        qWarning().noquote() << "CUPS module not loaded:" << library->errorString();
        return {nullptr, library->errorString()};
    }
    return {service, QString()};
}

const LoadedModule &loaded()
{
    static const LoadedModule module = load();
    return module;
}

} // namespace

namespace CupsModule {

CupsService *service()
{
    return loaded().service;
}

QString failure()
{
    return loaded().failure;
}

} // namespace CupsModule
