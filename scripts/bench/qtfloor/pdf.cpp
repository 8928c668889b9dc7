// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QPrinter>
#include <QPainter>
#include <QFont>
int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setOutputFileName(argc > 1 ? argv[1] : "qt.pdf");
    QPainter p(&printer);
    p.setFont(QFont("Liberation Sans", 12, QFont::Bold));
    p.drawText(QPointF(500, 500), QString::fromUtf8("Sauvegarde — Numéro de disquette :"));
    p.end();
    return 0;
}
