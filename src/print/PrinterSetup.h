#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

// What the printer set-up dialog offers: every installed printer with the paper it takes and
// the defaults this user now sees for it.
struct PrinterSetupOffer
{
    struct Paper
    {
        QString keyword; // the CUPS media name, e.g. "iso_a4_210x297mm"
        QString name;    // as CUPS shows it to people
    };
    struct Printer
    {
        QString name;
        QList<Paper> papers;
        QString paper;          // keyword of the default paper
        qint16 orientation = 1; // 1 portrait, 2 landscape
    };

    QList<Printer> printers;
    QString current; // the program's printer
};

// What the user chose in it.
struct PrinterSetupChoice
{
    QString printer;
    QString paper;
    qint16 orientation = 1;
};

namespace PrinterSetup {

// The installed printers as the dialog offers them; waits on the scheduler. No printers when
// the scheduler does not answer.
PrinterSetupOffer offer(const QString &currentPrinter);

// Saves the paper and orientation as this user's defaults for the chosen printer, so later
// jobs follow them; false when CUPS does not then report them. Waits on the scheduler.
bool store(const PrinterSetupChoice &choice);

} // namespace PrinterSetup
