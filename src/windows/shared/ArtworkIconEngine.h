// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QString>

// One of the program's SVG drawings, served from the pixels the build rendered at the sizes
// the windows show it, and drawn from the SVG file at any other size. The main window then
// opens without parsing, rendering or decoding its pictures; they look the same, as the
// build renders them as Qt's SVG icon engine does.
class ArtworkIconEngine : public QIconEngine
{
public:
    // name is the drawing's file name without ".svg" in the windows' resources.
    explicit ArtworkIconEngine(const QString &name);

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QString renderedPath(const QSize &size) const;
    static QPixmap rendered(const QString &path, int side, QIcon::Mode mode);
    QIcon &vector();

    QString m_name;
    QList<int> m_renderedSides; // ascending, as the build lists them
    QIcon m_vector; // loaded only for a size the build did not render
};
