#pragma once

#include <QDialog>

class QComboBox;
class QDialogButtonBox;

// The printer set-up dialog: the user picks the printer the program prints on among the
// installed ones.
class PrinterSetupDialog : public QDialog
{
    Q_OBJECT

public:
    PrinterSetupDialog(const QStringList &installedPrinters, const QString &currentPrinter,
                       QWidget *parent = nullptr);

    QString selectedPrinter() const;

private:
    QComboBox *m_printers;
    QDialogButtonBox *m_buttons;
};
