// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// The help file, KORVALIN.HLP: an HTML page in UTF-8 whose topics are its <section>
// elements, in this form:
//
//   <section id="ouvrir" data-keywords="ouvrir;fichier étiquette;.eti">
//     <h1>Ouvrir une étiquette</h1> ... any HTML, links to other topics as href="#id" ...
//   </section>
//
// The order of the sections is the order of the contents. A <style> element in the head
// applies to every topic.
struct HelpTopic
{
    QString id;
    QString title;
    QStringList keywords;
    QString html;
};

class HelpDocument
{
public:
    // Nothing when the file cannot be read or holds no topic.
    static std::optional<HelpDocument> load(const QString &path);
    static HelpDocument parse(const QString &html);

    const QList<HelpTopic> &topics() const { return m_topics; }
    QString styleSheet() const { return m_styleSheet; }
    // The index of the topic with that id, or -1.
    int topicIndex(const QString &id) const;

    // Every keyword once, in alphabetical order.
    QStringList keywords() const;
    // The keywords that begin with prefix, whatever the case and accents.
    QStringList keywordsStartingWith(const QString &prefix) const;
    // The indexes of the topics that carry keyword.
    QList<int> topicsWithKeyword(const QString &keyword) const;

private:
    QList<HelpTopic> m_topics;
    QString m_styleSheet;
};
