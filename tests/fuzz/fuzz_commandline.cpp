// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"
#include "files/SmallFile.h"
#include "label/LabelFile.h"
#include "print/PrintSettingsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

// Feeds arbitrary argument lists, NUL-separated, to the command line as main hands them
// over. Whatever the arguments, the run ends with one of its three statuses, and a refusal
// says why on the error stream.
//
// The run is confined to a scratch folder holding a label and a settings file: a '/' in an
// argument becomes '_' (but for the numbering style "X/X"), and so does "-", standard
// output, so every file it names lies there, and the print service is one that does not
// exist, so nothing reaches a printer.

namespace {

QStringList argumentsOf(const QByteArray &bytes)
{
    QStringList arguments;
    for (const QByteArray &part : bytes.split('\0')) {
        QString argument = QString::fromUtf8(part);
        if (argument == "-"_L1)
            argument = u"_"_s;
        else if (argument != "X/X"_L1)
            argument.replace(QLatin1Char('/'), QLatin1Char('_'));
        arguments.append(argument);
    }
    return arguments;
}

struct Fixture
{
    QString name;
    QByteArray bytes;
};

const QList<Fixture> &fixtures()
{
    static const QList<Fixture> files = [] {
        LabelDocument document = LabelDocument::startUp();
        document.zones[ZoneId::First].text = u"Sauvegarde"_s;
        document.zones[ZoneId::Third].text = u"Disque"_s;
        const std::optional<QByteArray> label = LabelFile::encode(document);
        if (!label)
            std::abort();
        return QList<Fixture>{
            {u"label.eti"_s, *label},
            {u"serie.PAR"_s, PrintSettingsFile::encode(PrintSettingsFile::Layout())}};
    }();
    return files;
}

// Each run starts from the same folder: the label and the settings file as they were, and
// nothing an earlier run wrote. A run writes nothing but PDF pages, which are larger than
// either file, so a folder holding just the two at their sizes is untouched.
void resetScratchFolder()
{
    QDir folder = QDir::current();
    const QStringList names = folder.entryList(QDir::Files | QDir::Hidden | QDir::System);
    bool untouched = names.size() == fixtures().size();
    for (const Fixture &file : fixtures())
        untouched = untouched && QFileInfo(file.name).size() == file.bytes.size();
    if (untouched)
        return;
    for (const QString &name : names)
        folder.remove(name);
    for (const Fixture &file : fixtures()) {
        if (!SmallFile::write(file.name, file.bytes))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CUPS_SERVER", "/nonexistent/korvalin-fuzz.sock");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    static QGuiApplication application(*argc, *argv);
    static QTemporaryDir scratch;
    if (!scratch.isValid() || !QDir::setCurrent(scratch.path()))
        std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    resetScratchFolder();
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int status = CommandLine::run(argumentsOf(bytes), outStream, errStream);
    outStream.flush();
    errStream.flush();
    const bool known = status == 0 || status == 1 || status == 2;
    const bool refusalExplained = status == 0 || !err.isEmpty();
    if (!known || !refusalExplained)
        std::abort();
    return 0;
}
