// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/about/AboutDialog.h"

#include "platform/SystemInfoTool.h"
#include "widgets/MsgBox.h"
#include "windows/about/BuildInfo.h"
#include "windows/shared/Millimetres.h"
#include "windows/shared/WindowResources.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QUrl>

namespace {

constexpr QSizeF ClientSizeMm{101.1, 59.3};
constexpr double SeparatorLengthMm = 97.9;
constexpr double WhiteSeparatorMm = 21.2;
constexpr double GreySeparatorMm = 21.5;

const QColor TextGreen(0, 255, 0);
// A blue light enough to read on black.
const QColor LinkBlue(0x4D, 0xA6, 0xFF);

QString programTitle()
{
    return QLatin1String(BuildInfo::ProgramTitle);
}

QString versionNumber()
{
    return QStringLiteral("%1.%2.%3")
        .arg(BuildInfo::VersionMajor)
        .arg(BuildInfo::VersionMinor)
        .arg(BuildInfo::VersionRevision);
}

QFont comicFont(double pointSize, bool bold = false)
{
    QFont font(QStringLiteral("Comic Sans MS"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

QLabel *greenText(QWidget *parent, const char *name, const QRectF &placeMm, const QFont &font)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, TextGreen);
    label->setPalette(palette);
    Millimetres::place(*label, placeMm);
    return label;
}

// A link drawn as blue text on the black, with the pointing hand; a button underneath, so
// that it is reached and pressed from the keyboard and announced as something to press.
QPushButton *link(QWidget *parent, const char *name, const QString &address, const QString &tip,
                  const QRectF &placeMm)
{
    auto *button = new QPushButton(address, parent);
    button->setObjectName(QLatin1String(name));
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(tip);
    button->setStyleSheet(QStringLiteral("QPushButton { color: %1; border: none; "
                                         "background: transparent; text-decoration: underline; }")
                              .arg(LinkBlue.name()));
    Millimetres::place(*button, placeMm);
    button->setVisible(!address.isEmpty());
    return button;
}

QString orUnknown(const QString &address)
{
    return address.isEmpty() ? QCoreApplication::translate("AboutDialog", "non communiqué")
                             : address;
}

} // namespace

MakerAddresses MakerAddresses::ofBuild()
{
    return {QString::fromUtf8(BuildInfo::WebAddress), QString::fromUtf8(BuildInfo::DonationAddress),
            QString::fromUtf8(BuildInfo::MailAddress)};
}

AboutDialog::AboutDialog(const QSettings &systemSettings, const MakerAddresses &addresses,
                         QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_systemSettings(systemSettings), m_addresses(addresses)
{
    setFixedSize(Millimetres::toPixels(ClientSizeMm, *this));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(comicFont(8.25));
    buildTexts();
    buildLinks();
    buildButtons();
    loadWindow();
}

void AboutDialog::buildTexts()
{
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("logo"));
    Millimetres::place(*logo, {2.1, 4.2, 12.7, 12.7});
    logo->setPixmap(WindowResources::floppy().pixmap(logo->size()));
    logo->setScaledContents(true);
    logo->setAccessibleName(programTitle());

    greenText(this, "titleLabel", {19.0, 2.1, 68.5, 4.2}, comicFont(9.75, true));
    greenText(this, "versionLabel", {18.5, 8.5, 68.5, 4.0}, comicFont(8.25));
    QLabel *descriptionLabel =
        greenText(this, "descriptionLabel", {19.0, 14.8, 68.5, 5.8}, comicFont(8.25));
    descriptionLabel->setText(tr("Conçoit et imprime les étiquettes de vos disquettes."));
}

void AboutDialog::buildLinks()
{
    QPushButton *mailLink = link(this, "mailLink", m_addresses.mail, tr("Envoyer un courriel"),
                                 {10.6, 23.3, 46.3, 4.0});
    connect(mailLink, &QPushButton::clicked, this, &AboutDialog::writeMail);
    QPushButton *webLink =
        link(this, "webLink", m_addresses.web, tr("Visitez le site officiel de Korvalin"),
             {19.0, 29.6, 37.3, 4.0});
    connect(webLink, &QPushButton::clicked, this, &AboutDialog::openWebSite);

    auto *donationButton = new QPushButton(this);
    donationButton->setObjectName(QStringLiteral("donationButton"));
    donationButton->setFlat(true);
    donationButton->setCursor(Qt::PointingHandCursor);
    donationButton->setIcon(WindowResources::icon(QStringLiteral("don")));
    donationButton->setToolTip(tr("Soutenez Korvalin par un don"));
    donationButton->setAccessibleName(donationButton->toolTip());
    Millimetres::place(*donationButton, {31.3, 38.0, 8.0, 8.0});
    donationButton->setIconSize(donationButton->size());
    donationButton->setVisible(!m_addresses.donation.isEmpty());
    connect(donationButton, &QPushButton::clicked, this, &AboutDialog::openDonationPage);
}

void AboutDialog::buildButtons()
{
    auto *okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setFont(comicFont(8.25, true));
    // Enter presses it as the default button; Escape closes the box as it does.
    okButton->setDefault(true);
    Millimetres::place(*okButton, {69.8, 25.4, 26.5, 10.3});
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);

    auto *detailsButton = new QPushButton(tr("Détails..."), this);
    detailsButton->setObjectName(QStringLiteral("detailsButton"));
    Millimetres::place(*detailsButton, {69.8, 40.2, 25.7, 6.6});
    connect(detailsButton, &QPushButton::clicked, this, &AboutDialog::showDetails);

    auto *systemInfoButton = new QPushButton(tr("&Système Info..."), this);
    systemInfoButton->setObjectName(QStringLiteral("systemInfoButton"));
    systemInfoButton->setToolTip(tr("Informations système"));
    Millimetres::place(*systemInfoButton, {69.8, 48.7, 26.2, 6.1});
    connect(systemInfoButton, &QPushButton::clicked, this, &AboutDialog::onSystemInfoClicked);
}

void AboutDialog::loadWindow()
{
    setWindowTitle(tr("A propos %1").arg(programTitle()));
    findChild<QLabel *>(QStringLiteral("versionLabel"))
        ->setText(tr("Version %1").arg(versionNumber()));
    findChild<QLabel *>(QStringLiteral("titleLabel"))->setText(programTitle());
}

void AboutDialog::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    const auto separator = [&](double topMm, const QColor &color) {
        const int y = Millimetres::toPixels(topMm, logicalDpiY());
        painter.setPen(QPen(color, 0));
        painter.drawLine(0, y, Millimetres::toPixels(SeparatorLengthMm, logicalDpiX()), y);
    };
    separator(WhiteSeparatorMm, Qt::white);
    separator(GreySeparatorMm, Qt::gray);
}

void AboutDialog::showDetails()
{
    const QStringList lines{
        tr("- %1 version %2 -").arg(programTitle(), versionNumber()),
        tr("Création d'étiquettes de disquettes au format 3 \"1/2."),
        QString(),
        tr("Auteur : l'équipe de développement de Korvalin"),
        tr("Courriel : %1").arg(orUnknown(m_addresses.mail)),
        tr("Site web : %1").arg(orUnknown(m_addresses.web)),
        QString(),
    };
    MsgBox(lines.join(QLatin1Char('\r')), MsgBoxButtons::OKOnly, MsgBoxIcon::Information,
           tr("A propos"));
}

void AboutDialog::onSystemInfoClicked()
{
    startSystemInfo();
}

void AboutDialog::startSystemInfo()
{
    const QString tool = SystemInfoTool::locate(m_systemSettings);
    if (!tool.isEmpty() && QProcess::startDetached(tool, {}))
        return;
    MsgBox(tr("Information Systeme introuvable !"), MsgBoxButtons::OKOnly, MsgBoxIcon::None,
           programTitle());
}

void AboutDialog::openWebSite()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_addresses.web));
}

void AboutDialog::openDonationPage()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_addresses.donation));
}

void AboutDialog::writeMail()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_addresses.mail));
}
