// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "label/LabelDocument.h"

#include <QObject>
#include <QUndoStack>

// The label being edited and the history of its changes. Every change goes through here as
// one step of the history, and is announced once: the zone or the picture that changed, or
// the whole label replaced. Whatever shows, prints or saves the label reads it from here.
class LabelModel : public QObject
{
    Q_OBJECT

public:
    // What a change of a zone's style changed, which names the step.
    enum class StyleChange
    {
        Font,
        Color,
        Alignment
    };

    explicit LabelModel(QObject *parent = nullptr);

    const LabelDocument &document() const { return m_document; }
    // The steps that undo and redo go through.
    QUndoStack &history() { return m_history; }

    // Replaces the whole label and starts a fresh history: a new, opened or recovered label.
    void replace(const LabelDocument &document);

    // Typing in a zone: one step while the user types on in the same zone, a new one after
    // a pause, after another kind of change, or once endTyping has been called.
    void typeZoneText(ZoneId zone, const QString &text);
    // The user moved to another zone: what is typed next is a step of its own.
    void endTyping();
    void setZoneStyle(ZoneId zone, const ZoneStyle &style, StyleChange change);
    // A picture chosen, pasted or dropped, or none for a cleared one.
    void setPicture(const LabelPicture &picture);

signals:
    void zoneChanged(ZoneId zone);
    void pictureChanged();
    void documentReplaced();

private:
    class ZoneTextStep;
    class ZoneStyleStep;
    class PictureStep;

    void applyZoneText(ZoneId zone, const QString &text);
    void applyZoneStyle(ZoneId zone, const ZoneStyle &style);
    void applyPicture(const LabelPicture &picture);

    LabelDocument m_document = LabelDocument::startUp();
    QUndoStack m_history;
    // Typing steps merge only within one burst; a new burst starts when the user moves on.
    int m_typingBurst = 0;
};
