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

    static FontChoice of(const ZoneStyle &style);
    void applyTo(ZoneStyle &style) const;
};

// What an open or save dialog is asked to show.
struct FileRequest
{
    QString title;
    // Pairs of description and pattern joined by "|": "Fichiers (*.X)|*.x|..."; the first
    // pair is the one selected.
    QString filter;
    // Empty: the folder the previous file dialog started in.
    QString startFolder;
    // A proposed name with a folder opens that folder, before the start folder.
    QString proposedName;
    bool askBeforeOverwrite = false;
};

// The file the user chose in an open or save dialog.
struct ChosenFile
{
    QString path;
    // The name without its folder.
    QString fileName;
};

// Where the help viewer opens.
struct HelpRequest
{
    enum class Page
    {
        Contents,
        Search,
        Topic
    };
    QString file;
    Page page = Page::Contents;
    // The keyword the search starts on.
    QString searchKey;
    // The id of the topic to open; the contents stand in while the file has no such topic.
    QString topicId;
};

// Shows the actual dialogs. Production uses Qt's; tests install scripted answers.
class CommonDialogBackend
{
public:
    virtual ~CommonDialogBackend() = default;
    // The chosen path, or nothing when cancelled.
    virtual std::optional<QString> chooseFileToOpen(const FileRequest &request,
                                                    QWidget *parent) = 0;
    virtual std::optional<QString> chooseFileToSave(const FileRequest &request,
                                                    QWidget *parent) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent) = 0;
    virtual std::optional<ColorValue> chooseColor(ColorValue initial, QWidget *parent) = 0;
    // The printer, paper and orientation chosen among those offered, or nothing when
    // cancelled.
    virtual std::optional<PrinterSetupChoice> choosePrinter(const PrinterSetupOffer &offer,
                                                            QWidget *parent) = 0;
    virtual void showHelp(const HelpRequest &request, QWidget *parent) = 0;
};

// The program's file, font, colour, printer and help dialogs. Each call returns what the
// user decided, or nothing when cancelled. The file dialogs remember across uses and
// windows the folder they last started in, the name they last held and the folder of the
// file last chosen. A program installed in a system folder has none of the user's files
// beside it: its file dialogs start in the user's documents folder, then in the folder of
// the file last chosen, whatever folder a request names.
class CommonDialog
{
public:
    // programFolder: the folder the program runs from; empty for no such rule.
    explicit CommonDialog(QWidget *parent = nullptr, const QString &programFolder = QString());
    ~CommonDialog();

    void setBackend(std::unique_ptr<CommonDialogBackend> backend);

    std::optional<ChosenFile> chooseFileToOpen(FileRequest request);
    std::optional<ChosenFile> chooseFileToSave(FileRequest request);
    std::optional<FontChoice> chooseFont(const FontChoice &initial);
    std::optional<ColorValue> chooseColor(ColorValue initial);
    // The printer set-up among what the printers offer; the caller stores the choice, since
    // that waits on the print scheduler.
    std::optional<PrinterSetupChoice> choosePrinter(const PrinterSetupOffer &offer);
    void showHelp(const HelpRequest &request);

    // The name the last file dialog ended on: the chosen path, or the proposed name when
    // it was cancelled.
    const QString &lastFileName() const { return m_lastFileName; }

private:
    using Chooser = std::optional<QString> (CommonDialogBackend::*)(const FileRequest &, QWidget *);
    std::optional<ChosenFile> chooseFile(Chooser choose, FileRequest request);

    QWidget *m_parent;
    std::unique_ptr<CommonDialogBackend> m_backend;
    bool m_programIsInstalled;
    QString m_lastStartFolder;
    QString m_lastFileName;
    QString m_lastChosenFolder;
};
