// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/HelpWindow.h"
#include "windows/shared/CommonDialog.h"

#include <QPointer>
#include <QStringList>

// The common dialogs as Qt draws them (in French once Qt's catalogue is loaded).
class QtDialogBackend : public CommonDialogBackend
{
public:
    ~QtDialogBackend() override;

    std::optional<QString> chooseFileToOpen(const FileRequest &request, QWidget *parent) override;
    std::optional<QString> chooseFileToSave(const FileRequest &request, QWidget *parent) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent) override;
    std::optional<ColorValue> chooseColor(ColorValue initial, QWidget *parent) override;
    std::optional<PrinterSetupChoice> choosePrinter(const PrinterSetupOffer &offer,
                                                    QWidget *parent) override;
    void showHelp(const HelpRequest &request, QWidget *parent) override;

    // "Desc (*.X)|*.x|..." as the name filters of a Qt file dialog.
    static QStringList nameFilters(const QString &filter);
    // Its patterns, one entry per pair: "*.x", "*.a;*.b".
    static QStringList filterPatterns(const QString &filter);
    // The extension a pattern of one extension names ("eti" for "*.eti"); empty for any other
    // pattern.
    static QString extensionOf(const QString &pattern);

private:
    // One help window, brought back to the front by later requests.
    QPointer<HelpWindow> m_helpWindow;
};
