// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "platform/InterfaceLanguage.h"
#include "platform/LabelFonts.h"
#include "platform/ProgramFiles.h"
#include "print/Printer.h"
#include "print/PrinterQuery.h"
#include "windows/main/MainWindow.h"
#include "windows/main/ProgramStart.h"
#include "windows/shared/WindowResources.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>
#include <QTimer>

namespace {

// The main window's road: the program runs until the window ends it.
int runMainWindow(QApplication &app)
{
    ProgramSession session(
        ProgramStart::from(ProgramFiles::folder(QApplication::applicationDirPath()),
                           QApplication::arguments().value(1), QDir::currentPath()));
    Printer printer;
    MainWindow window(session, printer);
    window.show();
    // CUPS may be slow to name it, or not answer at all: the window does not wait.
    window.findDefaultPrinter();
    // Over the window, once it is on screen.
    QTimer::singleShot(0, &window, &MainWindow::offerRecoveryCopies);
    return app.exec();
}

// The command line's road: one page printed or written, with no window and no display.
// The arguments are taken before Qt sees them, as Qt would keep some (--style) for itself.
int runHeadless(int argc, char *argv[], const QStringList &arguments)
{
    QTextStream err(stderr);
    if (!CommandLine::argumentsAreNames(argc, argv, err))
        return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    InterfaceLanguage::install(app);
    QTextStream out(stdout);
    return CommandLine::run(arguments, out, err);
}

} // namespace

int main(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QFile::decodeName(argv[i]));
    // The window asking CUPS through a child of its own: no fonts, no display.
    if (PrinterQuery::isChild(arguments))
        return PrinterQuery::answer(argc, argv, arguments);
    // Before Qt resolves any font, so every window, page and PDF sees the same faces.
    LabelFonts::install();
    if (CommandLine::wantsHeadless(arguments))
        return runHeadless(argc, argv, arguments);

    QApplication app(argc, argv);
    // The user's settings (QSettings) live in $XDG_CONFIG_HOME/korvalin/korvalin.conf.
    QCoreApplication::setOrganizationName(QStringLiteral("korvalin"));
    InterfaceLanguage::install(app);
    app.setWindowIcon(WindowResources::icon(QStringLiteral("korvalin")));
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.korvalin.Korvalin"));
    return runMainWindow(app);
}
