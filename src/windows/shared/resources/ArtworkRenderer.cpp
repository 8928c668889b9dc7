// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Build tool: renders an SVG drawing at the given sizes, as Qt's SVG icon engine would
// render it at run time, so that the windows can show the result instead and be pixel for
// pixel what they were. Each side gives OUTPUT_FOLDER/NAME-SIDE.argb32, NAME being the
// drawing's base name: the image's premultiplied 32-bit pixels, row after row.
// Usage: korvalin_render_artwork DRAWING.svg OUTPUT_FOLDER SIDE...

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QImage rendered(QSvgRenderer &drawing, int side)
{
    const QSize size = drawing.defaultSize().scaled(side, side, Qt::KeepAspectRatio);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    drawing.render(&painter);
    return image;
}

bool write(const QImage &image, const QString &path)
{
    QFile file(path);
    const auto bytes = qsizetype(image.sizeInBytes());
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(reinterpret_cast<const char *>(image.constBits()), bytes) == bytes &&
           file.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv); // fonts, for any text the drawing holds
    const QStringList arguments = app.arguments();
    QTextStream err(stderr);
    if (arguments.size() < 4) {
        err << "usage: korvalin_render_artwork DRAWING.svg OUTPUT_FOLDER SIDE...\n";
        return 2;
    }
    QSvgRenderer drawing(arguments.at(1));
    if (!drawing.isValid()) {
        err << "cannot read the drawing " << arguments.at(1) << '\n';
        return 1;
    }
    const QDir output(arguments.at(2));
    const QString name = QFileInfo(arguments.at(1)).completeBaseName();
    for (const QString &sideText : arguments.mid(3)) {
        bool number = false;
        const int side = sideText.toInt(&number);
        const QString file =
            output.filePath(name + u'-' + sideText + QStringLiteral(".argb32"));
        if (!number || side <= 0 || !write(rendered(drawing, side), file)) {
            err << "cannot write " << file << '\n';
            return 1;
        }
    }
    return 0;
}
