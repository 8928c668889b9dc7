#include "windows/Form3.h"

#include "print/LabelPrinting.h"
#include "windows/Millimetres.h"
#include "windows/PictureBox.h"
#include "windows/PreviewPanel.h"
#include "windows/PreviewZone.h"

#include <QEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSizeF ClientSizeMm{87.3, 76.5};
constexpr QRectF PanelPlaceMm{4.2, 4.2, 78.6, 55.3};
constexpr QRectF QuitPlaceMm{33.9, 67.7, 21.4, 6.6};

// Fixed places inside the panel, whatever the print layout: the preview is a sketch of one
// label, not of the sheet.
constexpr std::array<QRectF, 3> ZonePlacesMm{
    {{21.2, 4.2, 53.2, 15.1}, {4.2, 21.2, 70.1, 19.3}, {4.2, 42.3, 70.1, 6.6}}};
constexpr QRectF IconPlaceMm{4.2, 4.2, 13.0, 13.0};

QString joinedLines(const Module1::ZoneLines &lines, int count)
{
    // The stored lines keep their CR and LF, so putting them end to end gives the text
    // back with its line breaks.
    QString text;
    for (int i = 1; i <= count; ++i)
        text += lines[std::size_t(i)];
    return text;
}

// Zone 3 as the first label of a run would carry it: the whole text, then the number
// that label gets. A single label has no numbering style, and shows the text alone.
QString zone3Text(const Module1 &state, const QString &fullZone3Text)
{
    const bool numbered =
        state.AutoIncrement && (state.NumberingStyle == 1 || state.NumberingStyle == 2);
    // A zone 3 without lines shows nothing, numbered or not, as it prints nothing.
    if (numbered && state.Zone3LineCount >= 1)
        return fullZone3Text + LabelPrinting::numberSuffix(state);
    return joinedLines(state.Zone3Lines, state.Zone3LineCount);
}

QFont quitButtonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

} // namespace

Form3::Form3(const Module1 &state, const LabelZones &zones, const Picture &icon, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_state(state), m_zones(zones), m_icon(icon)
{
    setWindowTitle(QStringLiteral("Aperçu avant impression"));
    setFixedSize(Millimetres::toPixels(ClientSizeMm, *this));

    Picture1 = new PreviewPanel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Millimetres::place(*Picture1, PanelPlaceMm);
    for (std::size_t i = 0; i < m_zoneBoxes.size(); ++i) {
        m_zoneBoxes[i] = new PreviewZone(Picture1);
        m_zoneBoxes[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Millimetres::place(*m_zoneBoxes[i], ZonePlacesMm[i]);
    }
    Picture2 = new PictureBox(Picture1);
    Picture2->setObjectName(QStringLiteral("Picture2"));
    Picture2->setEmptyPlaceShown(false);
    Millimetres::place(*Picture2, IconPlaceMm);

    Command1 = new QPushButton(QStringLiteral("&Quitter"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setFont(quitButtonFont());
    Command1->setDefault(true);
    Millimetres::place(*Command1, QuitPlaceMm);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);

    Form_Load();
}

void Form3::Form_Load()
{
    move(CenterForm(frameGeometry().size(), screen()->availableGeometry()));
    // Drawn at once so that the first paint shows the label, also where the window system
    // never reports the window as active.
    Form_Activate();
}

void Form3::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Form_Activate();
}

void Form3::Form_Activate()
{
    Picture1->setOutlines(m_state.PrintFrame, m_state.PrintCutMarks);
    // An empty IconPath leaves the box as it is: empty in a window just opened.
    if (!m_state.IconPath.isEmpty())
        Picture2->setPicture(m_icon);
    showZone(1, joinedLines(m_state.Zone1Lines, m_state.Zone1LineCount));
    showZone(2, joinedLines(m_state.Zone2Lines, m_state.Zone2LineCount));
    showZone(3, zone3Text(m_state, m_zones[2].Caption));
}

void Form3::showZone(int zone, const QString &text)
{
    // Underline and strikethrough stay with the main window: the preview shows the font's
    // face, size, weight and slant, its colour and the alignment.
    TextZone shown = m_zones[std::size_t(zone - 1)];
    shown.Caption = text;
    shown.FontUnderline = false;
    shown.FontStrikethru = false;
    m_zoneBoxes[std::size_t(zone - 1)]->setZone(shown);
}

void Form3::Command1_Click()
{
    accept();
}
