#include "platform/PictureLoader.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdint>

// Feeds arbitrary bytes to the picture loader and draws whatever loads, as the main
// window would: the loader and the metafile player must neither crash nor hang.

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
    if (picture) {
        QImage image(64, 64, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        picture->draw(painter, QRectF(4, 4, 56, 56));
    }
    return 0;
}
