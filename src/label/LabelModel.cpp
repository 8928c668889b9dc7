// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "label/LabelModel.h"

#include <QCoreApplication>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

// Typing after a pause this long is a step of its own.
constexpr auto TypingPause = std::chrono::seconds(1);

enum StepKind
{
    TypingStep = 1
};

QString styleStepName(LabelModel::StyleChange change)
{
    switch (change) {
    case LabelModel::StyleChange::Font:
        return QCoreApplication::translate("LabelModel", "la police");
    case LabelModel::StyleChange::Color:
        return QCoreApplication::translate("LabelModel", "la couleur");
    case LabelModel::StyleChange::Alignment:
        break;
    }
    return QCoreApplication::translate("LabelModel", "l'alignement");
}

} // namespace

class LabelModel::ZoneTextStep : public QUndoCommand
{
public:
    ZoneTextStep(LabelModel &model, ZoneId zone, const QString &text)
        : QUndoCommand(QCoreApplication::translate("LabelModel", "la saisie")), m_model(model),
          m_zone(zone), m_before(model.m_document.zones[zone].text), m_after(text),
          m_burst(model.m_typingBurst), m_lastKey(Clock::now())
    {
    }

    int id() const override { return TypingStep; }
    void undo() override { m_model.applyZoneText(m_zone, m_before); }
    void redo() override { m_model.applyZoneText(m_zone, m_after); }

    bool mergeWith(const QUndoCommand *other) override
    {
        const auto &next = static_cast<const ZoneTextStep &>(*other);
        if (next.m_zone != m_zone || next.m_burst != m_burst ||
            next.m_lastKey - m_lastKey > TypingPause)
            return false;
        m_after = next.m_after;
        m_lastKey = next.m_lastKey;
        // Typed and rubbed out again: nothing is left to undo.
        setObsolete(m_after == m_before);
        return true;
    }

private:
    LabelModel &m_model;
    ZoneId m_zone;
    QString m_before;
    QString m_after;
    int m_burst;
    Clock::time_point m_lastKey;
};

class LabelModel::ZoneStyleStep : public QUndoCommand
{
public:
    ZoneStyleStep(LabelModel &model, ZoneId zone, const ZoneStyle &style, StyleChange change)
        : QUndoCommand(styleStepName(change)), m_model(model), m_zone(zone),
          m_before(model.m_document.zones[zone].style), m_after(style)
    {
    }

    void undo() override { m_model.applyZoneStyle(m_zone, m_before); }
    void redo() override { m_model.applyZoneStyle(m_zone, m_after); }

private:
    LabelModel &m_model;
    ZoneId m_zone;
    ZoneStyle m_before;
    ZoneStyle m_after;
};

class LabelModel::PictureStep : public QUndoCommand
{
public:
    PictureStep(LabelModel &model, const LabelPicture &picture)
        : QUndoCommand(picture.isNone()
                           ? QCoreApplication::translate("LabelModel", "l'effacement de l'image")
                           : QCoreApplication::translate("LabelModel", "l'image")),
          m_model(model), m_before(model.m_document.picture), m_after(picture)
    {
    }

    void undo() override { m_model.applyPicture(m_before); }
    void redo() override { m_model.applyPicture(m_after); }

private:
    LabelModel &m_model;
    LabelPicture m_before;
    LabelPicture m_after;
};

LabelModel::LabelModel(QObject *parent) : QObject(parent) {}

void LabelModel::replace(const LabelDocument &document)
{
    m_history.clear();
    m_document = document;
    emit documentReplaced();
}

void LabelModel::typeZoneText(ZoneId zone, const QString &text)
{
    if (m_document.zones[zone].text != text)
        m_history.push(new ZoneTextStep(*this, zone, text));
}

void LabelModel::endTyping()
{
    ++m_typingBurst;
}

void LabelModel::setZoneStyle(ZoneId zone, const ZoneStyle &style, StyleChange change)
{
    if (m_document.zones[zone].style != style)
        m_history.push(new ZoneStyleStep(*this, zone, style, change));
}

void LabelModel::setPicture(const LabelPicture &picture)
{
    const LabelPicture &current = m_document.picture;
    if (current.path != picture.path || !current.decoded.isSameAs(picture.decoded))
        m_history.push(new PictureStep(*this, picture));
}

void LabelModel::applyZoneText(ZoneId zone, const QString &text)
{
    m_document.zones[zone].text = text;
    emit zoneChanged(zone);
}

void LabelModel::applyZoneStyle(ZoneId zone, const ZoneStyle &style)
{
    m_document.zones[zone].style = style;
    emit zoneChanged(zone);
}

void LabelModel::applyPicture(const LabelPicture &picture)
{
    m_document.picture = picture;
    emit pictureChanged();
}
