// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/shared/QtDialogBackend.h"

#include "label/ColorValue.h"
#include "windows/shared/LabelFontDialog.h"
#include "windows/shared/PrinterSetupDialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

std::optional<QString> runFileDialog(const CommonDialog &dialog, QWidget *parent,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog fileDialog(parent, dialog.DialogTitle);
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtDialogBackend::nameFilters(dialog.Filter);
    fileDialog.setNameFilters(filters);
    if (dialog.FilterIndex >= 1 && dialog.FilterIndex <= filters.size())
        fileDialog.selectNameFilter(filters[dialog.FilterIndex - 1]);
    if (mode == QFileDialog::AcceptSave && !(dialog.Flags & CommonDialog::OverwritePrompt))
        fileDialog.setOption(QFileDialog::DontConfirmOverwrite);

    // A proposed name with a folder opens that folder, before the initial folder.
    const QFileInfo proposed(dialog.FileName);
    if (proposed.isAbsolute())
        fileDialog.setDirectory(proposed.absolutePath());
    else if (!dialog.InitDir.isEmpty())
        fileDialog.setDirectory(dialog.InitDir);
    if (!dialog.FileName.isEmpty())
        fileDialog.selectFile(proposed.fileName());

    if (fileDialog.exec() != QDialog::Accepted || fileDialog.selectedFiles().isEmpty())
        return std::nullopt;
    return fileDialog.selectedFiles().constFirst();
}

} // namespace

QtDialogBackend::~QtDialogBackend()
{
    delete m_helpWindow;
}

QStringList QtDialogBackend::nameFilters(const QString &filter)
{
    static const QRegularExpression endsWithPatterns(QStringLiteral("\\([^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        const QString &description = parts[i];
        // Qt takes the patterns from the description's trailing parentheses and matches
        // them without regard to case, so a description that names them stays as it is.
        result.append(description.contains(endsWithPatterns)
                          ? description
                          : description + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')'));
    }
    return result;
}

std::optional<QString> QtDialogBackend::chooseFileToOpen(const CommonDialog &dialog,
                                                         QWidget *parent)
{
    return runFileDialog(dialog, parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogBackend::chooseFileToSave(const CommonDialog &dialog,
                                                         QWidget *parent)
{
    return runFileDialog(dialog, parent, QFileDialog::AcceptSave);
}

std::optional<FontChoice> QtDialogBackend::chooseFont(const FontChoice &initial, QWidget *parent)
{
    return LabelFontDialog::choose(initial, parent);
}

std::optional<ColorValue> QtDialogBackend::chooseColor(ColorValue initial, QWidget *parent)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), parent);
    if (!chosen.isValid())
        return std::nullopt;
    return toColorValue(chosen);
}

std::optional<PrinterSetupChoice> QtDialogBackend::choosePrinter(const CommonDialog &,
                                                                 const PrinterSetupOffer &offer,
                                                                 QWidget *parent)
{
    PrinterSetupDialog dialog(offer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogBackend::showHelp(const CommonDialog &dialog, QWidget *)
{
    // The help window is a window of its own, which stays open beside the program's.
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow;
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->load(dialog.HelpFile);
    if (dialog.HelpCommand == CommonDialog::HelpPartialKey)
        m_helpWindow->showSearch(dialog.HelpKey);
    else
        m_helpWindow->showContents();
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
