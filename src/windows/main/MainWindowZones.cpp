// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Zone editing: selecting a zone, its text through the edit box, its alignment, font and
// colour.
#include "windows/main/MainWindow.h"

#include "windows/main/ZoneTextEdit.h"
#include "windows/shared/ZoneDisplay.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

bool MainWindow::hasSelectedZone() const
{
    return m_session.label.currentZone >= 1 && m_session.label.currentZone <= 3;
}

void MainWindow::selectZone(int zone)
{
    m_session.label.currentZone = qint16(zone);
    m_zoneTextEdit->setText(m_document.zones[zone - 1].Caption);
    showEditCaption();
    markSelectedZone();
    showAlignmentCaption();
    checkAlignmentOption(m_document.zones[zone - 1].Alignment);
    m_zoneTextEdit->setFocus();
}

void MainWindow::onZoneTextEdited()
{
    if (hasSelectedZone())
        setZoneCaption(m_session.label.currentZone, m_zoneTextEdit->text());
}

// Putting into a zone the text it already holds is no change: merely selecting a zone
// leaves the document as it was.
void MainWindow::setZoneCaption(int zone, const QString &text)
{
    if (m_document.zones[zone - 1].Caption == text)
        return;
    m_document.zones[zone - 1].Caption = text;
    showZone(zone);
    onDocumentChanged();
}

void MainWindow::setZone(int zone, const TextZone &value)
{
    // The style first, then the text.
    TextZone styled = value;
    styled.Caption = m_document.zones[zone - 1].Caption;
    m_document.zones[zone - 1] = styled;
    showZone(zone);
    setZoneCaption(zone, value.Caption);
}

void MainWindow::showZone(int zone)
{
    m_zoneLabels[std::size_t(zone - 1)]->setZone(m_document.zones[zone - 1]);
}

void MainWindow::markSelectedZone()
{
    for (std::size_t i = 0; i < m_zoneLabels.size(); ++i)
        m_zoneLabels[i]->setBackColor(int(i) + 1 == m_session.label.currentZone
                                          ? ZoneDisplay::SelectedBackColor
                                          : ZoneDisplay::NormalBackColor);
}

void MainWindow::checkAlignmentOption(qint16 alignment)
{
    if (QAbstractButton *option = m_alignmentOptions->button(alignment))
        option->setChecked(true);
}

void MainWindow::showEditCaption()
{
    m_zoneTextCaption->setText(tr("Edition du texte zone %1").arg(m_session.label.currentZone));
}

void MainWindow::showAlignmentCaption()
{
    m_alignmentGroup->setTitle(tr("Aligner texte %1").arg(m_session.label.currentZone));
    // Screen readers would otherwise announce the group around it.
    m_alignmentGroup->setAccessibleName(m_alignmentGroup->title());
}

void MainWindow::onAlignmentChosen(int index)
{
    if (!hasSelectedZone())
        return;
    m_document.zones[m_session.label.currentZone - 1].Alignment = qint16(index);
    showZone(m_session.label.currentZone);
    onDocumentChanged();
}

void MainWindow::chooseFont()
{
    if (!hasSelectedZone())
        return;
    TextZone &zone = m_document.zones[m_session.label.currentZone - 1];
    if (const std::optional<FontChoice> font = m_commonDialog.chooseFont(FontChoice::of(zone)))
        font->applyTo(zone);
    showZone(m_session.label.currentZone);
    onDocumentChanged();
}

void MainWindow::chooseColor()
{
    if (!hasSelectedZone())
        return;
    TextZone &zone = m_document.zones[m_session.label.currentZone - 1];
    if (const std::optional<ColorValue> color = m_commonDialog.chooseColor(zone.ForeColor))
        zone.ForeColor = *color;
    showZone(m_session.label.currentZone);
    onDocumentChanged();
}
