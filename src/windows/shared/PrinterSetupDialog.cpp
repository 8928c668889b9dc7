// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/PrinterSetupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString noPrinterReason(const PrinterSetupOffer &offer)
{
    if (!offer.cupsFailure.isEmpty())
        return PrinterSetupDialog::tr("Impression par CUPS indisponible : %1")
            .arg(offer.cupsFailure);
    if (std::holds_alternative<SchedulerAway>(offer.printers))
        return PrinterSetupDialog::tr("Le service d'impression ne répond pas");
    return PrinterSetupDialog::tr("Aucune imprimante installée");
}

} // namespace

PrinterSetupDialog::PrinterSetupDialog(const PrinterSetupOffer &offer, QWidget *parent)
    : QDialog(parent), m_pdfOrientation(offer.pdfOrientation), m_printers(new QComboBox),
      m_paperBox(new QGroupBox(tr("Papier"))), m_papers(new QComboBox),
      m_portrait(new QRadioButton(tr("Portrait"))), m_landscape(new QRadioButton(tr("Paysage"))),
      m_buttons(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel))
{
    setWindowTitle(tr("Configuration de l'impression"));

    auto *printerBox = new QGroupBox(tr("Imprimante"));
    auto *printerForm = new QFormLayout(printerBox);
    printerForm->addRow(tr("&Nom :"), m_printers);
    m_printers->setMinimumContentsLength(28);

    auto *paperForm = new QFormLayout(m_paperBox);
    paperForm->addRow(tr("&Taille :"), m_papers);

    auto *orientationBox = new QGroupBox(tr("Orientation"));
    auto *orientations = new QHBoxLayout(orientationBox);
    orientations->addWidget(m_portrait);
    orientations->addWidget(m_landscape);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(m_paperBox);
    layout->addWidget(orientationBox);
    layout->addWidget(m_buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    if (const auto *listed = std::get_if<QList<PrinterSetupOffer::Printer>>(&offer.printers))
        m_listed = *listed;
    for (const PrinterSetupOffer::Printer &printer : std::as_const(m_listed))
        m_printers->addItem(printer.name);
    m_printers->addItem(tr("Fichier PDF"));
    if (m_listed.isEmpty()) {
        // Only the PDF file is left to print on; the user is told why.
        auto *why = new QLabel(noPrinterReason(offer));
        why->setTextFormat(Qt::PlainText); // the CUPS module's own words among them
        why->setObjectName(QStringLiteral("noPrinterLabel"));
        printerForm->addRow(why);
    }

    connect(m_printers, &QComboBox::currentIndexChanged, this, &PrinterSetupDialog::showPrinter);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    const auto current = std::find_if(
        m_listed.cbegin(), m_listed.cend(),
        [&](const PrinterSetupOffer::Printer &printer) { return printer.name == offer.current; });
    const bool pdfCurrent = offer.currentTarget == PrintTarget::PdfFile || m_listed.isEmpty();
    m_printers->setCurrentIndex(pdfCurrent                   ? pdfIndex()
                                : current == m_listed.cend() ? 0
                                                             : int(current - m_listed.cbegin()));
    showPrinter(m_printers->currentIndex());
}

int PrinterSetupDialog::pdfIndex() const
{
    return int(m_listed.size());
}

void PrinterSetupDialog::showPrinter(int index)
{
    m_papers->clear();
    // A PDF page is A4, portrait or landscape.
    m_paperBox->setEnabled(index != pdfIndex());
    if (index == pdfIndex()) {
        m_papers->addItem(QStringLiteral("A4"));
        checkOrientation(m_pdfOrientation);
        return;
    }
    if (index < 0 || index >= m_listed.size())
        return;
    const PrinterSetupOffer::Printer &printer = m_listed[index];
    for (const PrinterSetupOffer::Paper &paper : printer.papers)
        m_papers->addItem(paper.name, paper.keyword);
    m_papers->setCurrentIndex(std::max(0, m_papers->findData(printer.paper)));
    checkOrientation(printer.orientation);
}

void PrinterSetupDialog::checkOrientation(PageGeometry::Orientation orientation)
{
    (orientation == PageGeometry::Orientation::Landscape ? m_landscape : m_portrait)
        ->setChecked(true);
}

PrinterSetupChoice PrinterSetupDialog::choice() const
{
    const PageGeometry::Orientation orientation = m_landscape->isChecked()
                                                      ? PageGeometry::Orientation::Landscape
                                                      : PageGeometry::Orientation::Portrait;
    if (m_printers->currentIndex() == pdfIndex())
        return {QString(), QString(), orientation, PrintTarget::PdfFile};
    return {m_printers->currentText(), m_papers->currentData().toString(), orientation,
            PrintTarget::CupsPrinter};
}
