// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PdfRaster.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

QImage renderPdfPage(const QString &pdfPath, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(u"page"_s);
    QProcess pdftoppm;
    pdftoppm.start(u"pdftoppm"_s,
                   {u"-gray"_s, u"-png"_s, u"-singlefile"_s, u"-r"_s, QString::number(dotsPerInch),
                    u"-aaVector"_s, u"no"_s, pdfPath, prefix});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + u".png"_s);
}
