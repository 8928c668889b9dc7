// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "windows/shared/CommonDialog.h"

#include <QList>
#include <QStringList>
#include <variant>

// Answers the common dialogs of a test as scripted, and keeps what each dialog was
// shown with, so that a test can check the title, filter, options and proposals.
class ScriptedDialogs : public CommonDialogBackend
{
public:
    struct Cancel
    {
    };
    using Answer = std::variant<Cancel, QString, FontChoice, ColorValue, PrinterSetupChoice>;

    enum class Kind
    {
        Open,
        Save,
        Font,
        Color,
        Printer,
        Help
    };
    struct Shown
    {
        Kind kind = Kind::Open;
        QString title, filter, fileName, initDir;
        bool askBeforeOverwrite = false;
        FontChoice font;
        ColorValue color = 0;
        QString printer;      // the printer the set-up dialog started on
        QStringList printers; // the printers it offered
        QString helpFile, helpKey, helpTopic;
        HelpRequest::Page helpPage = HelpRequest::Page::Contents;
    };

    // Installs itself into dialog; the object stays owned by the dialog, so keep the
    // returned pointer only as long as the dialog lives.
    static ScriptedDialogs *installInto(CommonDialog &dialog);

    void answerNext(const Answer &answer) { m_answers.append(answer); }
    const QList<Shown> &shown() const { return m_shown; }
    int pendingAnswers() const { return int(m_answers.size()); }

    std::optional<QString> chooseFileToOpen(const FileRequest &request, QWidget *parent) override;
    std::optional<QString> chooseFileToSave(const FileRequest &request, QWidget *parent) override;
    std::optional<FontChoice> chooseFont(const FontChoice &initial, QWidget *parent) override;
    std::optional<ColorValue> chooseColor(ColorValue initial, QWidget *parent) override;
    // Answered with a PrinterSetupChoice or Cancel.
    std::optional<PrinterSetupChoice> choosePrinter(const PrinterSetupOffer &offer,
                                                    QWidget *parent) override;
    // Takes no answer: the help viewer is only recorded.
    void showHelp(const HelpRequest &request, QWidget *parent) override;

private:
    template <typename T> std::optional<T> next();
    std::optional<QString> chooseFile(Kind kind, const FileRequest &request);

    QList<Answer> m_answers;
    QList<Shown> m_shown;
};
