// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/preview/PreviewDialog.h"

#include "print/LabelPrinting.h"
#include "windows/preview/PreviewPanel.h"
#include "windows/preview/PreviewZone.h"
#include "windows/shared/BackgroundTask.h"
#include "windows/shared/Millimetres.h"
#include "windows/shared/PictureBox.h"
#include "windows/shared/WindowPlacement.h"

#include <QEvent>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr QSizeF ClientSizeMm{87.3, 76.5};
constexpr QRectF PanelPlaceMm{4.2, 4.2, 78.6, 55.3};
constexpr QRectF QuitPlaceMm{33.9, 67.7, 21.4, 6.6};

// Fixed places inside the panel, whatever the print layout: the preview is a sketch of one
// label, not of the sheet.
constexpr PerZone<QRectF> ZonePlacesMm{
    {{{21.2, 4.2, 53.2, 15.1}, {4.2, 21.2, 70.1, 19.3}, {4.2, 42.3, 70.1, 6.6}}}};
constexpr QRectF IconPlaceMm{4.2, 4.2, 13.0, 13.0};

QString joinedLines(const QStringList &lines)
{
    return lines.join(QLatin1String("\r\n"));
}

// A list shows its first label as it prints: the label with the list's first line applied.
// A first line with more lines than a label holds is refused before anything prints; the
// preview then shows the label itself, as it does for an empty list.
LabelArtwork firstPrintedLabel(const LabelArtwork &artwork, const PrintRequest &request)
{
    if (request.run.mode != PrintMode::List || request.list.isEmpty())
        return artwork;
    return LabelArtwork::of(request.list.labelAt(0, artwork.document)).value_or(artwork);
}

// The first label's number over the set it belongs to: the run's copies, or the list's labels.
QString firstNumberSuffix(const PrintRequest &request)
{
    const PrintRun &run = request.run;
    if (run.mode == PrintMode::List && !request.list.isEmpty())
        return LabelPrinting::numberSuffix(run.nextDiskNumber, run.numberingStyle,
                                           request.list.count());
    return LabelPrinting::numberSuffix(run.nextDiskNumber, run);
}

// Zone 3 as the first label of a run or a list would carry it: the whole text, then the
// number that label gets. A single label has no numbering style, and shows the text alone.
QString zone3Text(const PrintRequest &request, const LabelArtwork &artwork)
{
    const PrintRun &run = request.run;
    const bool numbered =
        run.autoNumbering && (run.numberingStyle == NumberingStyle::Number ||
                              run.numberingStyle == NumberingStyle::NumberOfTotal);
    if (numbered)
        return artwork.document.zones[ZoneId::Third].text + firstNumberSuffix(request);
    return joinedLines(artwork.lines[ZoneId::Third]);
}

QFont quitButtonFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold(true);
    return font;
}

} // namespace

PreviewDialog::PreviewDialog(const LabelArtwork &artwork, const PrintRequest &request,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      m_artwork(firstPrintedLabel(artwork, request)), m_request(request)
{
    setWindowTitle(tr("Aperçu avant impression"));
    setFixedSize(Millimetres::toPixels(ClientSizeMm, *this));

    m_page = new PreviewPanel(this);
    m_page->setObjectName(QStringLiteral("page"));
    Millimetres::place(*m_page, PanelPlaceMm);
    for (ZoneId zone : AllZones) {
        m_zoneBoxes[zone] = new PreviewZone(m_page);
        m_zoneBoxes[zone]->setObjectName(QStringLiteral("zoneBox%1").arg(zoneNumber(zone)));
        Millimetres::place(*m_zoneBoxes[zone], ZonePlacesMm[zone]);
    }
    m_pictureBox = new PictureBox(m_page);
    m_pictureBox->setObjectName(QStringLiteral("pictureBox"));
    m_pictureBox->setEmptyPlaceShown(false);
    Millimetres::place(*m_pictureBox, IconPlaceMm);

    m_closeButton = new QPushButton(tr("&Quitter"), this);
    m_closeButton->setObjectName(QStringLiteral("closeButton"));
    m_closeButton->setFont(quitButtonFont());
    m_closeButton->setDefault(true);
    Millimetres::place(*m_closeButton, QuitPlaceMm);
    connect(m_closeButton, &QPushButton::clicked, this, &PreviewDialog::closePreview);

    loadWindow();
}

PreviewDialog::~PreviewDialog() = default;

void PreviewDialog::loadWindow()
{
    move(centredWindowPosition(frameGeometry().size(), screen()->availableGeometry()));
    // A label without a picture leaves the box empty.
    if (!m_artwork.document.picture.isNone())
        drawPicture();
    // Drawn at once so that the first paint shows the label, also where the window system
    // never reports the window as active.
    onActivated();
}

// A metafile may take long to play: the box stays empty until the picture has been drawn
// for it on another thread, and the window answers meanwhile. The picture and the request
// do not change while the preview is open, so it is drawn once.
void PreviewDialog::drawPicture()
{
    m_drawingPicture = std::make_unique<BusyPointer>();
    runInBackground(
        this,
        [icon = m_artwork.document.picture.decoded, pixels = m_pictureBox->pixelSize()] {
            return PictureBox::drawnFor(icon, pixels);
        },
        [this](const QImage &drawn) {
            m_pictureBox->setPicture(m_artwork.document.picture.decoded, drawn);
            m_drawingPicture.reset();
            emit pictureShown();
        });
}

void PreviewDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
}

void PreviewDialog::onActivated()
{
    m_page->setOutlines(m_request.layout.printFrame, m_request.layout.printCutOutline);
    showZone(ZoneId::First, joinedLines(m_artwork.lines[ZoneId::First]));
    showZone(ZoneId::Second, joinedLines(m_artwork.lines[ZoneId::Second]));
    showZone(ZoneId::Third, zone3Text(m_request, m_artwork));
}

void PreviewDialog::showZone(ZoneId zone, const QString &text)
{
    m_zoneBoxes[zone]->setZone({text, m_artwork.document.zones[zone].style});
}

void PreviewDialog::closePreview()
{
    accept();
}
