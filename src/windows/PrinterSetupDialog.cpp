#include "windows/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

PrinterSetupDialog::PrinterSetupDialog(const QStringList &installedPrinters,
                                       const QString &currentPrinter, QWidget *parent)
    : QDialog(parent), m_printers(new QComboBox),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(QStringLiteral("Configuration de l'impression"));

    m_printers->addItems(installedPrinters);
    m_printers->setCurrentIndex(std::max(0, int(installedPrinters.indexOf(currentPrinter))));
    m_printers->setMinimumContentsLength(28);
    if (installedPrinters.isEmpty()) {
        m_printers->setEnabled(false);
        m_printers->setPlaceholderText(QStringLiteral("Aucune imprimante installée"));
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
    }

    auto *printerBox = new QGroupBox(QStringLiteral("Imprimante"));
    auto *form = new QFormLayout(printerBox);
    form->addRow(QStringLiteral("&Nom :"), m_printers);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

QString PrinterSetupDialog::selectedPrinter() const
{
    return m_printers->currentText();
}
