// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/CommonDialog.h"

#include "platform/UserFolders.h"

#include "windows/shared/QtDialogBackend.h"

#include <QFileInfo>

FontChoice FontChoice::of(const ZoneStyle &style)
{
    return {style.fontFamily, style.pointSize, style.bold, style.italic};
}

void FontChoice::applyTo(ZoneStyle &style) const
{
    style.fontFamily = name;
    style.pointSize = size;
    style.bold = bold;
    style.italic = italic;
}

CommonDialog::CommonDialog(QWidget *parent, const QString &programFolder)
    : m_parent(parent), m_backend(std::make_unique<QtDialogBackend>()),
      m_programIsInstalled(!programFolder.isEmpty() && UserFolders::isSystemFolder(programFolder))
{
}

CommonDialog::~CommonDialog() = default;

void CommonDialog::setBackend(std::unique_ptr<CommonDialogBackend> backend)
{
    m_backend = std::move(backend);
}

std::optional<ChosenFile> CommonDialog::chooseFileToOpen(FileRequest request)
{
    return chooseFile(&CommonDialogBackend::chooseFileToOpen, std::move(request));
}

std::optional<ChosenFile> CommonDialog::chooseFileToSave(FileRequest request)
{
    return chooseFile(&CommonDialogBackend::chooseFileToSave, std::move(request));
}

std::optional<ChosenFile> CommonDialog::chooseFile(Chooser choose, FileRequest request)
{
    if (m_programIsInstalled)
        request.startFolder =
            m_lastChosenFolder.isEmpty() ? UserFolders::documentsFolder() : m_lastChosenFolder;
    if (request.startFolder.isEmpty())
        request.startFolder = m_lastStartFolder;
    else
        m_lastStartFolder = request.startFolder;
    m_lastFileName = request.proposedName;
    const std::optional<QString> path = ((*m_backend).*choose)(request, m_parent);
    if (!path)
        return std::nullopt;
    m_lastFileName = *path;
    m_lastChosenFolder = QFileInfo(*path).absolutePath();
    return ChosenFile{*path, QFileInfo(*path).fileName()};
}

std::optional<FontChoice> CommonDialog::chooseFont(const FontChoice &initial)
{
    return m_backend->chooseFont(initial, m_parent);
}

std::optional<ColorValue> CommonDialog::chooseColor(ColorValue initial)
{
    return m_backend->chooseColor(initial, m_parent);
}

std::optional<PrinterSetupChoice> CommonDialog::choosePrinter(const PrinterSetupOffer &offer)
{
    return m_backend->choosePrinter(offer, m_parent);
}

void CommonDialog::showHelp(const HelpRequest &request)
{
    m_backend->showHelp(request, m_parent);
}
