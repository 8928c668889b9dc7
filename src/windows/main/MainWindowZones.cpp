// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Zone editing: selecting a zone, its text through the edit box, its alignment, font and
// colour, each change made through the label's model; and the zone displays, which follow
// what the model announces.
#include "windows/main/MainWindow.h"

#include "windows/main/ZoneTextEdit.h"
#include "windows/shared/ZoneDisplay.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>

void MainWindow::selectZone(ZoneId zone)
{
    m_session.label.selectedZone = zone;
    m_model->endTyping();
    showSelectedZone();
    markSelectedZone();
    showEditCaption();
    showAlignmentCaption();
    m_zoneTextEdit->setFocus();
}

void MainWindow::onZoneTextEdited()
{
    m_model->typeZoneText(selectedZone(), m_zoneTextEdit->text());
}

void MainWindow::onAlignmentChosen(ZoneAlignment alignment)
{
    ZoneStyle style = document().zones[selectedZone()].style;
    style.alignment = alignment;
    changeSelectedStyle(style, LabelModel::StyleChange::Alignment);
}

void MainWindow::chooseFont()
{
    ZoneStyle style = document().zones[selectedZone()].style;
    if (const std::optional<FontChoice> font = m_commonDialog.chooseFont(FontChoice::of(style))) {
        font->applyTo(style);
        changeSelectedStyle(style, LabelModel::StyleChange::Font);
    }
}

void MainWindow::chooseColor()
{
    ZoneStyle style = document().zones[selectedZone()].style;
    if (const std::optional<ColorValue> color = m_commonDialog.chooseColor(style.color)) {
        style.color = *color;
        changeSelectedStyle(style, LabelModel::StyleChange::Color);
    }
}

void MainWindow::changeSelectedStyle(const ZoneStyle &style, LabelModel::StyleChange change)
{
    m_model->setZoneStyle(selectedZone(), style, change);
}

void MainWindow::onZoneChanged(ZoneId zone)
{
    m_zoneLabels[zone]->setZone(document().zones[zone]);
    if (zone == selectedZone())
        showSelectedZone();
    onDocumentChanged();
}

// The edit box and the alignment options show the selected zone; putting its own text back
// into the box is no change.
void MainWindow::showSelectedZone()
{
    const TextZone &zone = document().zones[selectedZone()];
    m_zoneTextEdit->setText(zone.text);
    if (QAbstractButton *option = m_alignmentOptions->button(int(zone.style.alignment)))
        option->setChecked(true);
}

void MainWindow::markSelectedZone()
{
    for (ZoneId zone : AllZones)
        m_zoneLabels[zone]->setBackColor(zone == selectedZone() ? ZoneDisplay::SelectedBackColor
                                                                : ZoneDisplay::NormalBackColor);
}

void MainWindow::showEditCaption()
{
    m_zoneTextCaption->setText(tr("Edition du texte zone %1").arg(zoneNumber(selectedZone())));
}

void MainWindow::showAlignmentCaption()
{
    m_alignmentGroup->setTitle(tr("Aligner texte %1").arg(zoneNumber(selectedZone())));
    // Screen readers would otherwise announce the group around it.
    m_alignmentGroup->setAccessibleName(m_alignmentGroup->title());
}
