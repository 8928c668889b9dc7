// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/TextZone.h"
#include "print/PrinterSetup.h"

#include <QString>
#include <memory>
#include <optional>

class QWidget;

// The font values the font dialog takes and gives back.
struct FontChoice
{
    QString name;
    float size = 8.25f;
    bool bold = false;
    bool italic = false;
    bool strikethru = false;
    bool underline = false;

    static FontChoice of(const TextZone &zone);
    void applyTo(TextZone &zone) const;
};

class CommonDialog;

// Shows the actual dialogs. Production uses Qt's; tests install scripted answers.
class CommonDialogBackend
{
public:
    virtual ~CommonDialogBackend() = default;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const CommonDialog &dialog,
                                                    QWidget *parent) = 0;
    virtual std::optional<QString> chooseFileToSave(const CommonDialog &dialog,
                                                    QWidget *parent) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent) = 0;
    virtual std::optional<ColorValue> chooseColor(ColorValue initial, QWidget *parent) = 0;
    // The printer, paper and orientation chosen among those offered, or nothing when
    // cancelled.
    virtual std::optional<PrinterSetupChoice>
    choosePrinter(const CommonDialog &dialog, const PrinterSetupOffer &offer, QWidget *parent) = 0;
    // Opens the help viewer on dialog's HelpFile with its HelpCommand and HelpKey.
    virtual void showHelp(const CommonDialog &dialog, QWidget *parent) = 0;
};

// The program's one common-dialog object: every value set on it or returned by it stays
// until set again, across uses and windows (the settings window's load command relies
// on the file name and title the label commands left behind).
class CommonDialog
{
public:
    // Flags of the file dialogs.
    static constexpr int OverwritePrompt = 2;
    // Flags of the font dialog: screen and printer fonts.
    static constexpr int BothFonts = 3;
    // Flags of the printer dialog: its set-up form (printer, paper, orientation).
    static constexpr int PrintSetup = 64;
    // Help commands: the contents, and the search by the beginning of a keyword.
    static constexpr int HelpContents = 3;
    static constexpr int HelpPartialKey = 261;

    explicit CommonDialog(QWidget *parent = nullptr);
    ~CommonDialog();

    void setBackend(std::unique_ptr<CommonDialogBackend> backend);

    QString FileName;
    QString FileTitle;
    QString DialogTitle;
    // Pairs of description and pattern joined by "|": "Fichiers (*.X)|*.x|...".
    QString Filter;
    int FilterIndex = 0;
    QString InitDir;
    int Flags = 0;
    bool CancelError = false;
    ColorValue Color = 0;
    FontChoice Font;
    QString HelpFile;
    int HelpCommand = 0;
    QString HelpKey;

    // Each returns false when the user cancelled; the values then stay as they were.
    bool ShowOpen();
    bool ShowSave();
    bool ShowFont();
    bool ShowColor();
    // The printer set-up among what the printers offer; the caller stores the choice, since
    // that waits on the print scheduler. Nothing when cancelled.
    std::optional<PrinterSetupChoice> ShowPrinter(const PrinterSetupOffer &offer);
    void ShowHelp();

private:
    void takeChosenFile(const QString &path);

    QWidget *m_parent;
    std::unique_ptr<CommonDialogBackend> m_backend;
};
