// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/Printer.h"

#include "print/CupsModule.h"
#include "print/CupsService.h"

// Without the CUPS module the program has no printer: every question answers so.

Printer::Printer(const QString &name) : m_name(name) {}

SchedulerAnswer<Printer> Printer::findSystemDefault()
{
    CupsService *cups = CupsModule::service();
    if (!cups)
        return Printer();
    const SchedulerAnswer<QString> name = cups->defaultPrinter();
    if (const QString *found = std::get_if<QString>(&name))
        return Printer(*found);
    return SchedulerAway{};
}

Printer Printer::systemDefault()
{
    const SchedulerAnswer<Printer> answer = findSystemDefault();
    const Printer *found = std::get_if<Printer>(&answer);
    return found ? *found : Printer();
}

SchedulerAnswer<QStringList> Printer::findInstalledPrinters()
{
    CupsService *cups = CupsModule::service();
    return cups ? cups->installedPrinters() : QStringList();
}

OrientationAnswer Printer::orientation() const
{
    return orientation(QDeadlineTimer(SchedulerBudgetMs));
}

OrientationAnswer Printer::orientation(const QDeadlineTimer &budget) const
{
    if (isNull())
        return std::nullopt;
    CupsService *cups = CupsModule::service();
    return cups ? cups->orientation(m_name, budget) : std::nullopt;
}

std::optional<PageGeometry> Printer::pageGeometry() const
{
    CupsService *cups = CupsModule::service();
    if (!cups)
        return std::nullopt;
    return cups->pageGeometry(m_name);
}

bool Printer::printPdf(const std::function<std::optional<QByteArray>(const PageGeometry &)> &render,
                       const QString &title) const
{
    CupsService *cups = CupsModule::service();
    return cups && !isNull() && cups->printPdf(m_name, render, title);
}
