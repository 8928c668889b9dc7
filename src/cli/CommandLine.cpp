// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "cli/CommandLine.h"

#include "label/LabelFile.h"
#include "label/ZoneLines.h"
#include "platform/FileStamp.h"
#include "platform/LabelLoader.h"
#include "platform/ProgramFiles.h"
#include "print/CalibrationPage.h"
#include "print/LabelOutput.h"
#include "print/LabelPrinting.h"
#include "print/PrintSettingsFile.h"
#include "print/Printer.h"
#include "print/RunLimits.h"
#include "print/SheetGeometry.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

#include <memory>
#include <variant>

using namespace Qt::StringLiterals;

namespace {

enum ExitStatus
{
    Success = 0,
    Failure = 1,
    BadUsage = 2
};

// The disk number counts in 16 bits and moves on past each label printed, so the last
// label of a run may carry one less than the largest 16-bit number.
constexpr int LastNumber = MaxDiskNumber - 1;

QString usage()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Utilisation :\n"
        "  korvalin [ETIQUETTE.eti]\n"
        "      ouvre la fenêtre de création d'étiquette\n"
        "  korvalin --pdf SORTIE.pdf [options] ETIQUETTE.eti\n"
        "      imprime dans un fichier PDF (A4 portrait, toute la page imprimable)\n"
        "  korvalin --print [--printer NOM] [options] ETIQUETTE.eti\n"
        "      imprime sur une imprimante CUPS (par défaut, celle du système)\n"
        "  korvalin --calibration --pdf SORTIE.pdf | --print [--printer NOM]\n"
        "           [--settings FICHIER.PAR]\n"
        "      imprime la page d'étalonnage : les dix étiquettes aux distances réglées\n"
        "      et des règles graduées en millimètres, à poser sur une feuille d'étiquettes\n"
        "\n"
        "Options :\n"
        "  --settings FICHIER.PAR  marges, séparateurs, cadre et découpe\n"
        "                          (sinon les valeurs par défaut)\n"
        "  --position N            une seule étiquette, à la position N (1 à 10)\n"
        "  --start N --count M     M étiquettes identiques à partir de la position N\n"
        "                          (par défaut 1 et le reste de la feuille)\n"
        "  --list LISTE            une étiquette différente par ligne de la liste, à partir\n"
        "                          de la position --start et sur autant de feuilles qu'il\n"
        "                          faut : textes 1, 2 et 3 séparés par une tabulation ou\n"
        "                          un \";\", \"\\n\" pour un saut de ligne ; \"-\" lit la liste\n"
        "                          sur l'entrée standard\n"
        "  --number N              numérote le texte 3 à partir de N (au plus 32766)\n"
        "  --style X|X/X           numérotation \"X\" (par défaut) ou \"X/X\"\n"
        "  --help                  affiche cette aide\n");
}

struct Options
{
    QString pdfPath;
    bool toPrinter = false;
    // Given or not: an empty name is refused rather than read as the default printer.
    std::optional<QString> printerName;
    QString settingsPath;
    QString labelPath;
    QString listPath;
    std::optional<int> position, start, count, number;
    NumberingStyle style = NumberingStyle::Number;
    bool help = false;
};

// Every option either road knows; the calibration page takes only some of them.
const QStringList ValueOptions = {u"pdf"_s,      u"printer"_s, u"settings"_s,
                                  u"position"_s, u"start"_s,   u"count"_s,
                                  u"number"_s,   u"style"_s,   u"list"_s};
const QStringList SwitchOptions = {u"print"_s, u"calibration"_s, u"help"_s};
const QStringList CalibrationOptions = {u"calibration"_s, u"print"_s, u"pdf"_s, u"printer"_s,
                                        u"settings"_s};

QString dashed(const QString &name)
{
    return (name.size() == 1 ? u"-"_s : u"--"_s) + name;
}

// What both roads say of the options they share.
QString missingValueProblem(const QString &option)
{
    return QCoreApplication::translate("CommandLine", "l'option %1 demande une valeur").arg(option);
}

QString outputProblem()
{
    return QCoreApplication::translate("CommandLine", "choisir --pdf ou --print");
}

QString printerWithoutPrintProblem()
{
    return QCoreApplication::translate("CommandLine", "--printer va avec --print");
}

QString emptyPrinterProblem()
{
    return QCoreApplication::translate("CommandLine", "le nom de l'imprimante est vide");
}

QString notWithCalibrationProblem(const QString &option)
{
    return QCoreApplication::translate("CommandLine", "%1 ne va pas avec --calibration")
        .arg(option);
}

// The arguments read by Qt's parser, or the reason they cannot be: a value missing after
// the last option, or an option nobody knows. onlyOptions, when given, are the options
// this road takes; any other is refused as not going with the calibration page.
std::variant<std::unique_ptr<QCommandLineParser>, QString>
readArguments(const QStringList &arguments, const QStringList &onlyOptions = {})
{
    auto parser = std::make_unique<QCommandLineParser>();
    for (const QString &name : ValueOptions)
        parser->addOption(QCommandLineOption(name, QString(), u"valeur"_s));
    for (const QString &name : SwitchOptions)
        parser->addOption(QCommandLineOption(name));
    parser->addPositionalArgument(u"etiquette"_s, QString());
    const bool whole = parser->parse(QStringList{u"korvalin"_s} + arguments);
    const auto refused = [&](const QString &name) {
        return !onlyOptions.isEmpty() && !onlyOptions.contains(name);
    };
    // The parser names no option in its reasons: an unknown one is listed, and a value can
    // only be missing after the last argument.
    for (const QString &name : parser->unknownOptionNames())
        return onlyOptions.isEmpty()
                   ? QCoreApplication::translate("CommandLine", "option inconnue : %1")
                         .arg(dashed(name))
                   : notWithCalibrationProblem(dashed(name));
    for (const QString &name : parser->optionNames()) {
        if (refused(name))
            return notWithCalibrationProblem(dashed(name));
    }
    if (!whole) {
        const QString last = arguments.value(arguments.size() - 1);
        const QString name = last.mid(2);
        return refused(name) ? notWithCalibrationProblem(last) : missingValueProblem(last);
    }
    return parser;
}

// A whole decimal integer, or nothing.
std::optional<int> integer(const QString &text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Numbers from number for count labels, or why the numbering cannot reach them all; empty
// when it can.
QString numberingProblem(int number, int count)
{
    const qint64 last = qint64(number) + count - 1;
    if (count < 1 || last <= LastNumber)
        return QString();
    return QCoreApplication::translate("CommandLine",
                                       "numéros de %1 à %2 : la numérotation s'arrête à %3")
        .arg(number)
        .arg(last)
        .arg(LastNumber);
}

// The options, or the reason they make no sense.
std::variant<Options, QString> parse(const QStringList &arguments)
{
    auto read = readArguments(arguments);
    if (const QString *problem = std::get_if<QString>(&read))
        return *problem;
    const QCommandLineParser &parser = *std::get<std::unique_ptr<QCommandLineParser>>(read);
    Options o;
    o.help = parser.isSet(u"help"_s);
    o.toPrinter = parser.isSet(u"print"_s);
    o.pdfPath = parser.value(u"pdf"_s);
    o.settingsPath = parser.value(u"settings"_s);
    o.listPath = parser.value(u"list"_s);
    // An empty name would print a run instead of the list.
    if (parser.isSet(u"list"_s) && o.listPath.isEmpty())
        return missingValueProblem(u"--list"_s);
    if (parser.isSet(u"printer"_s))
        o.printerName = parser.value(u"printer"_s);
    const std::pair<QString, std::optional<int> *> numberOptions[] = {{u"position"_s, &o.position},
                                                                      {u"start"_s, &o.start},
                                                                      {u"count"_s, &o.count},
                                                                      {u"number"_s, &o.number}};
    for (const auto &[name, value] : numberOptions) {
        if (!parser.isSet(name))
            continue;
        *value = integer(parser.value(name));
        if (!value->has_value())
            return QCoreApplication::translate("CommandLine",
                                               "l'option %1 demande un nombre entier")
                .arg(dashed(name));
    }
    const QStringList labels = parser.positionalArguments();
    if (labels.size() > 1)
        return QCoreApplication::translate("CommandLine", "un seul fichier étiquette à la fois");
    o.labelPath = labels.value(0);
    const QString style = parser.value(u"style"_s);
    if (!style.isEmpty() && style != QLatin1String("X") && style != QLatin1String("X/X"))
        return QCoreApplication::translate("CommandLine",
                                           "le style de numérotation est \"X\" ou \"X/X\"");
    o.style =
        style == QLatin1String("X/X") ? NumberingStyle::NumberOfTotal : NumberingStyle::Number;
    if (o.help)
        return o;
    if (o.pdfPath.isEmpty() == !o.toPrinter)
        return outputProblem();
    if (o.printerName && !o.toPrinter)
        return printerWithoutPrintProblem();
    if (o.printerName && o.printerName->isEmpty())
        return emptyPrinterProblem();
    if (o.labelPath.isEmpty())
        return QCoreApplication::translate("CommandLine", "aucun fichier étiquette");
    if (o.position && (o.start || o.count || o.number))
        return QCoreApplication::translate(
            "CommandLine", "--position ne va pas avec --start, --count ou --number");
    if (o.position && (*o.position < 1 || *o.position > SheetGeometry::Positions))
        return QCoreApplication::translate("CommandLine", "la position va de 1 à 10");
    if (o.start && (*o.start < 1 || *o.start > SheetGeometry::Positions))
        return QCoreApplication::translate("CommandLine", "la position de départ va de 1 à 10");
    if (o.number && (*o.number < 0 || *o.number > LastNumber))
        return QCoreApplication::translate("CommandLine", "le numéro de départ va de 0 à %1")
            .arg(LastNumber);
    if (!o.listPath.isEmpty() && (o.position || o.count))
        return QCoreApplication::translate("CommandLine",
                                           "--list ne va pas avec --position ou --count");
    // A list's count is known once it is read.
    if (o.number && o.listPath.isEmpty()) {
        const QString problem = numberingProblem(
            *o.number, o.count.value_or(RunLimits::positionsFrom(o.start.value_or(1))));
        if (!problem.isEmpty())
            return problem;
    }
    return o;
}

// The run's size against what the sheet holds, with the program's own words; empty when it fits.
QString runSizeProblem(int start, int count)
{
    if (count > RunLimits::MaxCopies)
        return RunLimits::tooManyCopiesMessage();
    if (count < 1)
        return RunLimits::tooFewCopiesMessage();
    if (count > RunLimits::positionsFrom(start))
        return RunLimits::pastSheetEndMessage(start);
    return QString();
}

QString oneLine(QString message)
{
    return message.replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Puts the distances and switches of the settings file into layout, if one is named.
bool applySettings(const QString &settingsPath, SheetLayout &layout, QTextStream &err)
{
    if (settingsPath.isEmpty())
        return true;
    const std::optional<SheetLayout> read = PrintSettingsFile::read(settingsPath);
    if (!read) {
        err << LabelFile::openErrorMessage() << " : " << settingsPath << '\n';
        return false;
    }
    layout = *read;
    return true;
}

// "-" is standard output, as for most programs that write files.
QString pdfTarget(const QString &pdfPath)
{
    return pdfPath == QLatin1String("-") ? QStringLiteral("/dev/stdout") : pdfPath;
}

// An output that is one of the inputs, under its own name or another, would be replaced by
// the page: the input is kept and nothing is written. Empty when the output is another file.
QString outputOverInputProblem(const QString &pdfPath, const QStringList &inputs)
{
    const std::optional<FileStamp> output = FileStamp::of(pdfTarget(pdfPath));
    if (!output)
        return QString();
    for (const QString &input : inputs) {
        const std::optional<FileStamp> read = FileStamp::of(input);
        if (read && read->isSameFile(*output))
            return QCoreApplication::translate("CommandLine",
                                               "le fichier PDF %1 est le fichier lu %2 : "
                                               "rien n'est écrit")
                .arg(pdfPath, input);
    }
    return QString();
}

// Refused with the reason on the error stream when the output would replace an input.
bool outputIsNoInput(const QString &pdfPath, const QStringList &inputs, QTextStream &err)
{
    const QString problem = outputOverInputProblem(pdfPath, inputs);
    if (problem.isEmpty())
        return true;
    err << "korvalin : " << problem << '\n';
    return false;
}

// The exit status of a page printed or written to pdfPath, with the reason on err.
int printStatus(const PrintOutcome &outcome, const QString &pdfPath, QTextStream &err)
{
    switch (outcome.result) {
    case PrintResult::Printed:
        return Success;
    case PrintResult::PrinterError:
        err << LabelPrinting::printerErrorMessage() << '\n';
        break;
    case PrintResult::SaveError:
        err << LabelFile::saveErrorMessage() << " : " << pdfPath << '\n' << outcome.refusal << '\n';
        break;
    case PrintResult::LabelOffPage:
        err << oneLine(outcome.refusal) << '\n';
        break;
    }
    return Failure;
}

// The list file, or standard input for "-"; nothing, with the reason on err, when it cannot
// be read or holds a line that cannot print.
std::optional<LabelList> readList(const QString &listPath, QTextStream &err)
{
    QFile file;
    const bool opened = listPath == QLatin1String("-")
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(listPath), file.open(QIODevice::ReadOnly));
    if (!opened) {
        err << LabelFile::openErrorMessage() << " : " << listPath << '\n';
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << LabelFile::openErrorMessage() << " : " << listPath << '\n';
        return std::nullopt;
    }
    const std::variant<LabelList, ListRefusal> read =
        LabelListText::read(LabelListText::decode(bytes));
    if (const ListRefusal *refusal = std::get_if<ListRefusal>(&read)) {
        err << listPath << " : " << oneLine(refusal->message()) << '\n';
        return std::nullopt;
    }
    const LabelList &list = std::get<LabelList>(read);
    if (list.isEmpty()) {
        err << "korvalin : "
            << QCoreApplication::translate("CommandLine", "la liste %1 ne donne aucune étiquette")
                   .arg(listPath)
            << '\n';
        return std::nullopt;
    }
    return list;
}

Printer chosenPrinter(const QString &name)
{
    return name.isEmpty() ? Printer::systemDefault() : Printer(name);
}

// The calibration page takes no label and no run: only where it goes and which distances.
struct CalibrationRequest
{
    QString pdfPath;
    bool toPrinter = false;
    QString printerName;
    QString settingsPath;
};

std::variant<CalibrationRequest, QString> parseCalibration(const QStringList &arguments)
{
    auto read = readArguments(arguments, CalibrationOptions);
    if (const QString *problem = std::get_if<QString>(&read))
        return *problem;
    const QCommandLineParser &parser = *std::get<std::unique_ptr<QCommandLineParser>>(read);
    if (!parser.positionalArguments().isEmpty())
        return QCoreApplication::translate(
            "CommandLine", "la page d'étalonnage ne prend pas de fichier étiquette");
    CalibrationRequest r;
    r.toPrinter = parser.isSet(u"print"_s);
    r.pdfPath = parser.value(u"pdf"_s);
    r.printerName = parser.value(u"printer"_s);
    r.settingsPath = parser.value(u"settings"_s);
    if (parser.isSet(u"printer"_s) && r.printerName.isEmpty())
        return emptyPrinterProblem();
    if (r.pdfPath.isEmpty() == !r.toPrinter)
        return outputProblem();
    if (!r.printerName.isEmpty() && !r.toPrinter)
        return printerWithoutPrintProblem();
    return r;
}

// A command line that makes no sense: why, then how to write one.
void writeUsageProblem(QTextStream &err, const QString &problem)
{
    err << QCoreApplication::translate("CommandLine", "korvalin : %1").arg(problem) << "\n\n"
        << usage();
}

int runCalibration(const QStringList &arguments, QTextStream &err)
{
    const std::variant<CalibrationRequest, QString> parsed = parseCalibration(arguments);
    if (const QString *problem = std::get_if<QString>(&parsed)) {
        writeUsageProblem(err, *problem);
        return BadUsage;
    }
    const CalibrationRequest &r = std::get<CalibrationRequest>(parsed);
    if (!r.toPrinter && !outputIsNoInput(r.pdfPath, {r.settingsPath}, err))
        return Failure;
    SheetLayout layout;
    if (!applySettings(r.settingsPath, layout, err))
        return Failure;
    if (r.toPrinter) {
        if (!CalibrationPage::print(chosenPrinter(r.printerName), layout)) {
            err << LabelPrinting::printerErrorMessage() << '\n';
            return Failure;
        }
        return Success;
    }
    return printStatus(
        PrintOutcome::written(CalibrationPage::writePdf(pdfTarget(r.pdfPath), layout)), r.pdfPath,
        err);
}

} // namespace

namespace CommandLine {

bool wantsHeadless(const QStringList &arguments)
{
    for (const QString &a : arguments) {
        if (a.startsWith(QLatin1String("--")))
            return true;
    }
    return false;
}

bool argumentsAreNames(int argc, const char *const argv[], QTextStream &err)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray bytes(argv[i]);
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes) {
            err << "korvalin : "
                << QCoreApplication::translate("CommandLine",
                                               "%1 n'est pas un nom lisible (UTF-8 non valide)")
                       .arg(name)
                << '\n';
            return false;
        }
    }
    return true;
}

int run(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    if (arguments.contains(QLatin1String("--calibration")) &&
        !arguments.contains(QLatin1String("--help")))
        return runCalibration(arguments, err);
    const std::variant<Options, QString> parsed = parse(arguments);
    if (const QString *problem = std::get_if<QString>(&parsed)) {
        writeUsageProblem(err, *problem);
        return BadUsage;
    }
    const Options &o = std::get<Options>(parsed);
    if (o.help) {
        out << usage() << '\n'
            << QCoreApplication::translate("CommandLine", "Aide détaillée : ")
            << ProgramFiles::helpFile(QCoreApplication::applicationDirPath()) << '\n';
        return Success;
    }

    QStringList inputs{o.labelPath, o.settingsPath};
    if (o.listPath != QLatin1String("-"))
        inputs.append(o.listPath);
    if (!o.toPrinter && !outputIsNoInput(o.pdfPath, inputs, err))
        return Failure;
    PrintRequest request;
    if (!applySettings(o.settingsPath, request.layout, err))
        return Failure;

    const std::optional<LabelLoader::Loaded> label = LabelLoader::load(o.labelPath);
    if (!label) {
        err << LabelFile::openErrorMessage() << " : " << o.labelPath << '\n';
        return Failure;
    }
    if (!label->pictureProblem.isEmpty())
        err << oneLine(label->pictureProblem) << '\n';

    PrintRun &run = request.run;
    if (o.position) {
        run.mode = PrintMode::SingleLabel;
        run.singlePosition = *o.position;
        run.labelOrigin = SheetGeometry::labelOrigin(*o.position, request.layout.sheetSpacing);
    } else if (!o.listPath.isEmpty()) {
        std::optional<LabelList> list = readList(o.listPath, err);
        if (!list)
            return Failure;
        if (o.number) {
            const QString problem = numberingProblem(*o.number, list->count());
            if (!problem.isEmpty()) {
                err << "korvalin : " << problem << '\n';
                return Failure;
            }
        }
        request.list = std::move(*list);
        run.mode = PrintMode::List;
        run.startPosition = o.start.value_or(1);
        run.autoNumbering = o.number.has_value();
        run.numberingStyle = o.style;
        run.nextDiskNumber = o.number.value_or(1);
    } else {
        const int start = o.start.value_or(1);
        const int count = o.count.value_or(RunLimits::positionsFrom(start));
        const QString problem = runSizeProblem(start, count);
        if (!problem.isEmpty()) {
            err << oneLine(problem) << '\n';
            return Failure;
        }
        run.mode = PrintMode::Run;
        run.startPosition = start;
        run.copyCount = count;
        run.autoNumbering = o.number.has_value();
        run.numberingStyle = o.style;
        run.nextDiskNumber = o.number.value_or(1);
    }

    const std::optional<LabelArtwork> artwork = LabelArtwork::of(label->document);
    if (!artwork) {
        err << ZoneLines::tooManyLinesMessage() << '\n';
        return Failure;
    }

    if (o.toPrinter)
        return printStatus(
            LabelOutput::print(chosenPrinter(o.printerName.value_or(QString())), request, *artwork),
            QString(), err);
    return printStatus(LabelOutput::writePdf(pdfTarget(o.pdfPath), request, *artwork), o.pdfPath,
                       err);
}

} // namespace CommandLine
