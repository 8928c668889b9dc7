// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/PictureLoader.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <cstdint>

// Feeds arbitrary bytes to the picture loader and draws whatever loads as a sheet is
// printed: ten times, at the size of a label's picture on a 1200 dpi page. The loader and
// the metafile player must neither crash nor hang, and whatever they accept must print
// quickly and in little memory (run-fuzz.sh sets the limits).

namespace {

constexpr int Dpi = 1200;
constexpr int LabelsOnSheet = 10;
constexpr qreal PictureSide = 12 / 25.4 * Dpi;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Damaged files make Qt's decoders talk; that is expected and slows the run.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<Picture> picture = PictureLoader::fromBytes(bytes);
    if (!picture)
        return 0;
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setResolution(Dpi);
    QPainter painter(&writer);
    for (int label = 0; label < LabelsOnSheet; ++label)
        picture->draw(painter, QRectF(label * PictureSide, 0, PictureSide, PictureSide));
    return 0;
}
