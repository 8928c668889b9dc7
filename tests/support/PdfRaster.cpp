#include "PdfRaster.h"

#include <QProcess>
#include <QTemporaryDir>

QImage renderPdfPage(const QString &pdfPath, int dotsPerInch)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("page"));
    QProcess pdftoppm;
    pdftoppm.start(QStringLiteral("pdftoppm"),
                   {QStringLiteral("-gray"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                    QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-aaVector"),
                    QStringLiteral("no"), pdfPath, prefix});
    if (!pdftoppm.waitForFinished(30000) || pdftoppm.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png"));
}
