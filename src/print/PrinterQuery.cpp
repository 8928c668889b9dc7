// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "print/PrinterQuery.h"

#include "print/PrintDestination.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTextStream>

namespace {

// Hidden options: the program gives them to itself alone.
const QString FindOption = QStringLiteral("--query-default-printer");
const QString OrientationOption = QStringLiteral("--query-printer-orientation");

const QString PrinterKey = QStringLiteral("printer=");
const QString OrientationKey = QStringLiteral("orientation=");
const QString NoPrinter = QStringLiteral("none");
const QString Away = QStringLiteral("away");

QString program()
{
    // The tests run the program's windows in programs of their own.
    const QString named = qEnvironmentVariable("KORVALIN_PRINTER_QUERY_PROGRAM");
    return named.isEmpty() ? QCoreApplication::applicationFilePath() : named;
}

// What the child wrote, one "key=value" line each; nothing when it did not end well within
// budgetMs (it is killed then).
QStringList askChild(const QStringList &arguments, int budgetMs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(program(), arguments, QIODevice::ReadOnly);
    if (!child.waitForFinished(budgetMs) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        child.kill();
        child.waitForFinished(-1);
        return {};
    }
    return QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
}

// The value of the line that starts with key; nothing when no line does.
std::optional<QString> valueOf(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines) {
        if (line.startsWith(key))
            return line.mid(key.size());
    }
    return std::nullopt;
}

OrientationAnswer orientationIn(const QStringList &lines)
{
    const QString orientation = valueOf(lines, OrientationKey).value_or(Away);
    if (const auto named = PageGeometry::orientationNamed(orientation))
        return StoredOrientation(*named);
    if (orientation == NoPrinter)
        return std::nullopt;
    return SchedulerAway{};
}

QString orientationLine(const OrientationAnswer &answer)
{
    const StoredOrientation *answered = std::get_if<StoredOrientation>(&answer);
    if (!answered)
        return OrientationKey + Away;
    if (!*answered)
        return OrientationKey + NoPrinter;
    return OrientationKey + PageGeometry::orientationName(**answered);
}

} // namespace

namespace PrinterQuery {

FoundPrinter findPrinter(const QString &rememberedPrinter)
{
    // The list of printers, the default and the orientation: a connection's budget each,
    // and a little for the child to start.
    const QStringList lines =
        askChild({FindOption, rememberedPrinter}, 3 * SchedulerBudgetMs + 2000);
    const std::optional<QString> name = valueOf(lines, PrinterKey);
    if (!name)
        return {SchedulerAway{}, SchedulerAway{}};
    return {Printer(*name), orientationIn(lines)};
}

OrientationAnswer orientation(const Printer &printer)
{
    if (printer.isNull())
        return std::nullopt;
    return orientationIn(askChild({OrientationOption, printer.name()}, SchedulerBudgetMs + 2000));
}

bool isChild(const QStringList &arguments)
{
    return arguments.size() == 2 &&
           (arguments.first() == FindOption || arguments.first() == OrientationOption);
}

int answer(int argc, char *argv[], const QStringList &arguments)
{
    // The module is found beside the program's folder.
    const QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QString &name = arguments.at(1);
    if (arguments.first() == OrientationOption) {
        out << orientationLine(Printer(name).orientation()) << '\n';
        return 0;
    }
    PrintDestination destination;
    destination.printerName = name;
    const SchedulerAnswer<Printer> found = destination.findPrinter();
    if (const Printer *printer = std::get_if<Printer>(&found))
        out << PrinterKey << printer->name() << '\n'
            << orientationLine(printer->orientation()) << '\n';
    return 0;
}

} // namespace PrinterQuery
