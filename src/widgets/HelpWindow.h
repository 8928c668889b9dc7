// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/HelpDocument.h"

#include <QWidget>
#include <optional>

class QLineEdit;
class QListWidget;
class QTabWidget;
class QTextBrowser;

// The help viewer: the topics of a help file, reached through their contents list or a
// search by the beginning of a keyword. A help file that cannot be read is reported in
// the window itself. Escape closes it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Reads the help file (again); false when it cannot be read.
    bool load(const QString &helpFile);
    void showContents();
    // The topic with that id, chosen in the contents; the contents alone when the file has
    // no such topic.
    void showTopic(const QString &id);
    // The search, with prefix typed in and the keywords it starts listed.
    void showSearch(const QString &prefix);
    void showTopic(int index);

private:
    void fitContentsToTitles();
    void listKeywords(const QString &prefix);
    void listTopicsOfKeyword();
    void openTopicLink(const QUrl &url);

    std::optional<HelpDocument> m_document;
    QTabWidget *m_tabs;
    QListWidget *m_contents;
    QLineEdit *m_keyword;
    QListWidget *m_keywords;
    QListWidget *m_keywordTopics;
    QTextBrowser *m_page;
};
