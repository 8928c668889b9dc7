#include "windows/frmAbout.h"

#include "platform/SystemInfoTool.h"
#include "platform/widgets/MsgBox.h"
#include "windows/BuildInfo.h"
#include "windows/Millimetres.h"
#include "windows/WindowResources.h"

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
    return address.isEmpty() ? QStringLiteral("non communiqué") : address;
}

} // namespace

MakerAddresses MakerAddresses::ofBuild()
{
    return {QString::fromUtf8(BuildInfo::WebAddress), QString::fromUtf8(BuildInfo::DonationAddress),
            QString::fromUtf8(BuildInfo::MailAddress)};
}

frmAbout::frmAbout(const KeyValueStore &settings, const MakerAddresses &addresses, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_settings(settings), m_addresses(addresses)
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
    Form_Load();
}

void frmAbout::buildTexts()
{
    auto *Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Millimetres::place(*Image1, {2.1, 4.2, 12.7, 12.7});
    Image1->setPixmap(WindowResources::programIcon().pixmap(Image1->size()));
    Image1->setScaledContents(true);
    Image1->setAccessibleName(programTitle());

    greenText(this, "lblTitle", {19.0, 2.1, 68.5, 4.2}, comicFont(9.75, true));
    greenText(this, "lblVersion", {18.5, 8.5, 68.5, 4.0}, comicFont(8.25));
    QLabel *lblDescription =
        greenText(this, "lblDescription", {19.0, 14.8, 68.5, 5.8}, comicFont(8.25));
    lblDescription->setText(QStringLiteral("Conçoit et imprime les étiquettes de vos disquettes."));
}

void frmAbout::buildLinks()
{
    QPushButton *lblDisclaimer =
        link(this, "lblDisclaimer", m_addresses.mail, QStringLiteral("Envoyer un courriel"),
             {10.6, 23.3, 46.3, 4.0});
    connect(lblDisclaimer, &QPushButton::clicked, this, &frmAbout::lblDisclaimer_Click);
    QPushButton *Label3 =
        link(this, "Label3", m_addresses.web,
             QStringLiteral("Visitez le site officiel de Korvalin"), {19.0, 29.6, 37.3, 4.0});
    connect(Label3, &QPushButton::clicked, this, &frmAbout::Label3_Click);

    auto *Image2 = new QPushButton(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setFlat(true);
    Image2->setCursor(Qt::PointingHandCursor);
    Image2->setIcon(WindowResources::icon(QStringLiteral("don")));
    Image2->setToolTip(QStringLiteral("Soutenez Korvalin par un don"));
    Image2->setAccessibleName(Image2->toolTip());
    Millimetres::place(*Image2, {31.3, 38.0, 8.0, 8.0});
    Image2->setIconSize(Image2->size());
    Image2->setVisible(!m_addresses.donation.isEmpty());
    connect(Image2, &QPushButton::clicked, this, &frmAbout::Image2_Click);
}

void frmAbout::buildButtons()
{
    auto *cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(comicFont(8.25, true));
    // Enter presses it as the default button; Escape closes the box as it does.
    cmdOK->setDefault(true);
    Millimetres::place(*cmdOK, {69.8, 25.4, 26.5, 10.3});
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    auto *Command1 = new QPushButton(QStringLiteral("Détails..."), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Millimetres::place(*Command1, {69.8, 40.2, 25.7, 6.6});
    connect(Command1, &QPushButton::clicked, this, &frmAbout::Command1_Click);

    auto *cmdSysInfo = new QPushButton(QStringLiteral("&Système Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo->setToolTip(QStringLiteral("Informations système"));
    Millimetres::place(*cmdSysInfo, {69.8, 48.7, 26.2, 6.1});
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::Form_Load()
{
    setWindowTitle(QStringLiteral("A propos ") + programTitle());
    findChild<QLabel *>(QStringLiteral("lblVersion"))
        ->setText(QStringLiteral("Version ") + versionNumber());
    findChild<QLabel *>(QStringLiteral("lblTitle"))->setText(programTitle());
}

void frmAbout::paintEvent(QPaintEvent *event)
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

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::Command1_Click()
{
    const QStringList lines{
        QStringLiteral("- ") + programTitle() + QStringLiteral(" version ") + versionNumber() +
            QStringLiteral(" -"),
        QStringLiteral("Création d'étiquettes de disquettes au format 3 \"1/2."),
        QString(),
        QStringLiteral("Auteur : l'équipe de développement de Korvalin"),
        QStringLiteral("Courriel : ") + orUnknown(m_addresses.mail),
        QStringLiteral("Site web : ") + orUnknown(m_addresses.web),
        QString(),
    };
    MsgBox(lines.join(QLatin1Char('\r')), MsgBoxButtons::OKOnly, MsgBoxIcon::Information,
           QStringLiteral("A propos"));
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const QString tool = SystemInfoTool::locate(m_settings);
    if (!tool.isEmpty() && QProcess::startDetached(tool, {}))
        return;
    MsgBox(QStringLiteral("Information Systeme introuvable !"), MsgBoxButtons::OKOnly,
           MsgBoxIcon::None, programTitle());
}

void frmAbout::Label3_Click()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_addresses.web));
}

void frmAbout::Image2_Click()
{
    QDesktopServices::openUrl(QUrl::fromUserInput(m_addresses.donation));
}

void frmAbout::lblDisclaimer_Click()
{
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:") + m_addresses.mail));
}
