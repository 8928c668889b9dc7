// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "print/PrinterSetup.h"

#include <QDialog>

class QComboBox;
class QDialogButtonBox;
class QGroupBox;
class QRadioButton;

// The printer set-up dialog: the printer the program prints on, and the paper and
// orientation its later jobs use, among what the installed printers offer; or a PDF file
// and the orientation of its page.
class PrinterSetupDialog : public QDialog
{
    Q_OBJECT

public:
    explicit PrinterSetupDialog(const PrinterSetupOffer &offer, QWidget *parent = nullptr);

    PrinterSetupChoice choice() const;

private:
    // Fills the paper list and the orientation from the printer's own defaults.
    void showPrinter(int index);
    void checkOrientation(PageGeometry::Orientation orientation);
    // The PDF file's entry, after the printers.
    int pdfIndex() const;

    QList<PrinterSetupOffer::Printer> m_listed; // the offer's printers, none when it has none
    PageGeometry::Orientation m_pdfOrientation;
    QComboBox *m_printers;
    QGroupBox *m_paperBox;
    QComboBox *m_papers;
    QRadioButton *m_portrait;
    QRadioButton *m_landscape;
    QDialogButtonBox *m_buttons;
};
