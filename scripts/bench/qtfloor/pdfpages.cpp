// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A bare QPdfWriter writing the text of a list of 1,000 labels, ten a page, as plain lines:
// the floor that a printed list is held against.
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    QPdfWriter writer(QString::fromLocal8Bit(argc > 1 ? argv[1] : "pages.pdf"));
    writer.setResolution(1200);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF());
    const double dotsPerMm = 1200 / 25.4;
    QPainter p(&writer);
    p.setFont(QFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold));
    for (int page = 0; page < 100; ++page) {
        if (page > 0)
            writer.newPage();
        for (int i = 0; i < 10; ++i) {
            const QPointF origin((10 + (i % 2) * 80) * dotsPerMm, (4 + (i / 2) * 54) * dotsPerMm);
            const int n = page * 10 + i + 1;
            p.drawText(origin + QPointF(18 * dotsPerMm, 6 * dotsPerMm),
                       QStringLiteral("Disquette %1").arg(n));
            p.drawText(origin + QPointF(3 * dotsPerMm, 22 * dotsPerMm),
                       QStringLiteral("Sauvegarde du %1").arg(n));
            p.drawText(origin + QPointF(3 * dotsPerMm, 44 * dotsPerMm),
                       QStringLiteral("Disque %1/1000").arg(n));
        }
    }
    p.end();
    return 0;
}
