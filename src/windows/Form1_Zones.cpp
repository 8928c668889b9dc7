// Zone editing: selecting a zone, its text through the edit box, its alignment, font and
// colour.
#include "windows/Form1.h"

#include "windows/ZoneDisplay.h"
#include "windows/ZoneTextEdit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

bool Form1::hasSelectedZone() const
{
    return m_state.CurrentZone >= 1 && m_state.CurrentZone <= 3;
}

void Form1::Label_Click(int zone)
{
    m_state.CurrentZone = qint16(zone);
    Text1->setText(m_zones[zone - 1].Caption);
    showEditCaption();
    markSelectedZone();
    showAlignmentCaption();
    checkAlignmentOption(m_zones[zone - 1].Alignment);
    Text1->setFocus();
}

void Form1::Text1_Change()
{
    if (hasSelectedZone())
        setZoneCaption(m_state.CurrentZone, Text1->text());
}

// Putting into a zone the text it already holds is no change: merely selecting a zone
// leaves the document as it was.
void Form1::setZoneCaption(int zone, const QString &text)
{
    if (m_zones[zone - 1].Caption == text)
        return;
    m_zones[zone - 1].Caption = text;
    showZone(zone);
    Label_Change(zone);
}

void Form1::Label_Change(int zone)
{
    if (m_zones[zone - 1].Caption != m_state.InitialZoneText[std::size_t(zone - 1)])
        m_state.Modified = true;
}

void Form1::setZone(int zone, const TextZone &value)
{
    // The style first, then the text through the change rule.
    TextZone styled = value;
    styled.Caption = m_zones[zone - 1].Caption;
    m_zones[zone - 1] = styled;
    showZone(zone);
    setZoneCaption(zone, value.Caption);
}

void Form1::showZone(int zone)
{
    m_zoneLabels[std::size_t(zone - 1)]->setZone(m_zones[zone - 1]);
}

void Form1::markSelectedZone()
{
    for (std::size_t i = 0; i < m_zoneLabels.size(); ++i)
        m_zoneLabels[i]->setBackColor(int(i) + 1 == m_state.CurrentZone
                                          ? ZoneDisplay::SelectedBackColor
                                          : ZoneDisplay::NormalBackColor);
}

void Form1::checkAlignmentOption(qint16 alignment)
{
    if (QAbstractButton *option = m_alignmentOptions->button(alignment))
        option->setChecked(true);
}

void Form1::showEditCaption()
{
    Label4->setText(QStringLiteral("Edition du texte zone ") +
                    QString::number(m_state.CurrentZone));
}

void Form1::showAlignmentCaption()
{
    Frame1->setTitle(QStringLiteral("Aligner texte ") + QString::number(m_state.CurrentZone));
}

void Form1::Option_Click(int index)
{
    if (!hasSelectedZone())
        return;
    m_zones[m_state.CurrentZone - 1].Alignment = qint16(index);
    showZone(m_state.CurrentZone);
}

void Form1::Command1_Click()
{
    if (!hasSelectedZone())
        return;
    TextZone &zone = m_zones[m_state.CurrentZone - 1];
    m_commonDialog.Font = FontChoice::of(zone);
    m_commonDialog.Flags = CMDialog1::BothFonts;
    // Cancelling leaves the dialog holding the zone's own values, which then come back.
    m_commonDialog.ShowFont();
    m_commonDialog.Font.applyTo(zone);
    showZone(m_state.CurrentZone);
}

void Form1::Command2_Click()
{
    if (!hasSelectedZone())
        return;
    TextZone &zone = m_zones[m_state.CurrentZone - 1];
    m_commonDialog.Color = zone.ForeColor;
    m_commonDialog.ShowColor();
    zone.ForeColor = m_commonDialog.Color;
    showZone(m_state.CurrentZone);
}
