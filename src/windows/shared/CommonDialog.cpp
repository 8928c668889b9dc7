// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/CommonDialog.h"

#include "windows/shared/QtDialogBackend.h"

#include <QFileInfo>

FontChoice FontChoice::of(const TextZone &zone)
{
    return {zone.FontName,   zone.FontSize,       zone.FontBold,
            zone.FontItalic, zone.FontStrikethru, zone.FontUnderline};
}

void FontChoice::applyTo(TextZone &zone) const
{
    zone.FontName = name;
    zone.FontSize = size;
    zone.FontBold = bold;
    zone.FontItalic = italic;
    zone.FontStrikethru = strikethru;
    zone.FontUnderline = underline;
}

CommonDialog::CommonDialog(QWidget *parent)
    : m_parent(parent), m_backend(std::make_unique<QtDialogBackend>())
{
}

CommonDialog::~CommonDialog() = default;

void CommonDialog::setBackend(std::unique_ptr<CommonDialogBackend> backend)
{
    m_backend = std::move(backend);
}

bool CommonDialog::ShowOpen()
{
    const std::optional<QString> path = m_backend->chooseFileToOpen(*this, m_parent);
    if (path)
        takeChosenFile(*path);
    return path.has_value();
}

bool CommonDialog::ShowSave()
{
    const std::optional<QString> path = m_backend->chooseFileToSave(*this, m_parent);
    if (path)
        takeChosenFile(*path);
    return path.has_value();
}

bool CommonDialog::ShowFont()
{
    const std::optional<FontChoice> font = m_backend->chooseFont(Font, m_parent);
    if (font)
        Font = *font;
    return font.has_value();
}

bool CommonDialog::ShowColor()
{
    const std::optional<ColorValue> color = m_backend->chooseColor(Color, m_parent);
    if (color)
        Color = *color;
    return color.has_value();
}

std::optional<PrinterSetupChoice> CommonDialog::ShowPrinter(const PrinterSetupOffer &offer)
{
    return m_backend->choosePrinter(*this, offer, m_parent);
}

void CommonDialog::ShowHelp()
{
    m_backend->showHelp(*this, m_parent);
}

void CommonDialog::takeChosenFile(const QString &path)
{
    FileName = path;
    FileTitle = QFileInfo(path).fileName();
}
