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

std::optional<QString> runFileDialog(const FileRequest &request, QWidget *parent,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog fileDialog(parent, request.title);
    fileDialog.setAcceptMode(mode);
    fileDialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = QtDialogBackend::nameFilters(request.filter);
    fileDialog.setNameFilters(filters);
    if (mode == QFileDialog::AcceptSave) {
        // A name typed without an extension gets the filter's, before the dialog checks for a
        // file to replace: saved without it, the file would not be listed when opening.
        const QStringList patterns = QtDialogBackend::filterPatterns(request.filter);
        fileDialog.setDefaultSuffix(QtDialogBackend::extensionOf(patterns.value(0)));
        QObject::connect(&fileDialog, &QFileDialog::filterSelected, &fileDialog,
                         [&fileDialog, filters, patterns](const QString &chosen) {
                             fileDialog.setDefaultSuffix(QtDialogBackend::extensionOf(
                                 patterns.value(filters.indexOf(chosen))));
                         });
        if (!request.askBeforeOverwrite)
            fileDialog.setOption(QFileDialog::DontConfirmOverwrite);
    }

    const QFileInfo proposed(request.proposedName);
    if (proposed.isAbsolute())
        fileDialog.setDirectory(proposed.absolutePath());
    else if (!request.startFolder.isEmpty())
        fileDialog.setDirectory(request.startFolder);
    if (!request.proposedName.isEmpty())
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
        // Qt takes the patterns from the description's trailing parentheses, separated by
        // blanks, and matches them without regard to case, so a description that names them
        // stays as it is.
        result.append(description.contains(endsWithPatterns)
                          ? description
                          : description + QStringLiteral(" (") +
                                QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')) +
                                QLatin1Char(')'));
    }
    return result;
}

QStringList QtDialogBackend::filterPatterns(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (int i = 1; i < parts.size(); i += 2)
        result.append(parts[i]);
    return result;
}

QString QtDialogBackend::extensionOf(const QString &pattern)
{
    static const QRegularExpression oneExtension(QStringLiteral("^\\*\\.(\\w+)$"));
    return oneExtension.match(pattern).captured(1);
}

std::optional<QString> QtDialogBackend::chooseFileToOpen(const FileRequest &request,
                                                         QWidget *parent)
{
    return runFileDialog(request, parent, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogBackend::chooseFileToSave(const FileRequest &request,
                                                         QWidget *parent)
{
    return runFileDialog(request, parent, QFileDialog::AcceptSave);
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

std::optional<PrinterSetupChoice> QtDialogBackend::choosePrinter(const PrinterSetupOffer &offer,
                                                                 QWidget *parent)
{
    PrinterSetupDialog dialog(offer, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.choice();
}

void QtDialogBackend::showHelp(const HelpRequest &request, QWidget *)
{
    // The help window is a window of its own, which stays open beside the program's.
    if (!m_helpWindow) {
        m_helpWindow = new HelpWindow;
        m_helpWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_helpWindow->load(request.file);
    switch (request.page) {
    case HelpRequest::Page::Search:
        m_helpWindow->showSearch(request.searchKey);
        break;
    case HelpRequest::Page::Topic:
        m_helpWindow->showTopic(request.topicId);
        break;
    case HelpRequest::Page::Contents:
        m_helpWindow->showContents();
        break;
    }
    m_helpWindow->show();
    m_helpWindow->raise();
    m_helpWindow->activateWindow();
}
