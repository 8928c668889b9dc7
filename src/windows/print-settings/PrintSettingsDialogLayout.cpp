// SPDX-FileCopyrightText: 2026 The Korvalin authors
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windows/print-settings/PrintSettingsDialog.h"

#include "print/SheetGeometry.h"
#include "windows/preview/SheetPreviewDialog.h"
#include "windows/print-settings/KeyFilteredEdit.h"
#include "windows/print-settings/LabelListPanel.h"
#include "windows/print-settings/SheetTile.h"
#include "windows/print-settings/Spinner.h"
#include "windows/shared/Named.h"
#include "windows/shared/WindowResources.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

// A comma is the decimal separator a French keyboard types.
const QString DistanceCharacters = QStringLiteral("0123456789.,-");
const QString CountCharacters = QStringLiteral("0123456789");
constexpr int DistanceLength = 6;
constexpr int CountLength = 2;

// The sheet mock-up, in pixels: margins and gaps are drawn wide enough to hold the box
// that sets them, not to scale.
constexpr int MockLeftMargin = 46;
constexpr int MockTopMargin = 36;
constexpr int MockTileWidth = 96;
constexpr int MockTileHeight = 60;
constexpr int MockColumnGap = 46;
constexpr int MockRowGap = 28;
constexpr int MockWidth = MockLeftMargin + 2 * MockTileWidth + MockColumnGap + 6;
constexpr int MockHeight = MockTopMargin + 5 * MockTileHeight + 4 * MockRowGap + 6;
constexpr int ArrowOffset = 10; // from the tile's corner to the arrow along its edge
constexpr QSize DistanceBoxSize(40, 22);

QRect tileRect(int position)
{
    const int column = (position - 1) % 2, row = (position - 1) / 2;
    return {MockLeftMargin + column * (MockTileWidth + MockColumnGap),
            MockTopMargin + row * (MockTileHeight + MockRowGap), MockTileWidth, MockTileHeight};
}

// The page under the tiles, with a double-headed arrow across each distance the boxes set.
class SheetMockup : public QWidget
{
public:
    explicit SheetMockup(QWidget *parent = nullptr) : QWidget(parent)
    {
        setFixedSize(MockWidth + 1, MockHeight + 1);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 0, MockWidth, MockHeight), Qt::white);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawRect(0, 0, MockWidth, MockHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect first = tileRect(1), second = tileRect(2), third = tileRect(3);
        const int across = first.top() + ArrowOffset, down = first.left() + ArrowOffset;
        horizontalArrow(painter, 0, first.left(), across);
        horizontalArrow(painter, first.right() + 1, second.left(), across);
        verticalArrow(painter, 0, first.top(), down);
        verticalArrow(painter, first.bottom() + 1, third.top(), down);
    }

private:
    static constexpr int Head = 4;

    static void horizontalArrow(QPainter &painter, int left, int right, int y)
    {
        painter.drawLine(left, y, right, y);
        painter.drawLine(left, y, left + Head, y - Head);
        painter.drawLine(left, y, left + Head, y + Head);
        painter.drawLine(right, y, right - Head, y - Head);
        painter.drawLine(right, y, right - Head, y + Head);
    }

    static void verticalArrow(QPainter &painter, int top, int bottom, int x)
    {
        painter.drawLine(x, top, x, bottom);
        painter.drawLine(x, top, x - Head, top + Head);
        painter.drawLine(x, top, x + Head, top + Head);
        painter.drawLine(x, bottom, x - Head, bottom - Head);
        painter.drawLine(x, bottom, x + Head, bottom - Head);
    }
};

void paintBackground(QWidget &widget, const QColor &color)
{
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Base, color);
    widget.setPalette(palette);
}

KeyFilteredEdit *distanceBox(QWidget *sheet, const char *name, QPoint place)
{
    auto *box = new KeyFilteredEdit(DistanceCharacters, DistanceLength, sheet);
    box->setObjectName(QLatin1String(name));
    paintBackground(*box, QColor(192, 255, 192));
    box->setGeometry(QRect(place, DistanceBoxSize));
    return box;
}

KeyFilteredEdit *countEdit(const char *name, QLabel *caption)
{
    auto *box = new KeyFilteredEdit(CountCharacters, CountLength);
    box->setObjectName(QLatin1String(name));
    paintBackground(*box, QColor(192, 255, 255));
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 10);
    caption->setBuddy(box);
    return box;
}

QLabel *boxCaption(const QString &text, const char *name)
{
    auto *caption = new QLabel(text);
    caption->setObjectName(QLatin1String(name));
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    caption->setWordWrap(true);
    return caption;
}

Spinner *spinner(const char *name, int maximum, const QString &accessibleName)
{
    auto *scroll = new Spinner(0, maximum);
    scroll->setObjectName(QLatin1String(name));
    scroll->setAccessibleName(accessibleName);
    scroll->setFixedHeight(24);
    return scroll;
}

struct CountRow
{
    QLabel *caption;
    KeyFilteredEdit *edit;
    Spinner *spinner;
};

// A caption, its box and the box's spinner on one row of grid, named after stem
// ("copyCount": copyCountLabel, copyCountEdit, copyCountSpinner).
CountRow addCountRow(QGridLayout *grid, int row, const QString &caption, const std::string &stem,
                     int maximum)
{
    QLabel *label = boxCaption(caption, (stem + "Label").c_str());
    KeyFilteredEdit *edit = countEdit((stem + "Edit").c_str(), label);
    Spinner *steps = spinner((stem + "Spinner").c_str(), maximum, label->text());
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(steps, row, 2);
    return {label, edit, steps};
}

QGroupBox *boldGroup(const QString &caption, const char *name)
{
    auto *group = new QGroupBox(caption);
    group->setObjectName(QLatin1String(name));
    // Named after its own caption: screen readers would announce the group around it.
    group->setAccessibleName(caption.trimmed());
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    return group;
}

void tightLayout(QLayout *layout)
{
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
}

} // namespace

void PrintSettingsDialog::buildWindow()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildLeftColumn());
    auto *sheetGroup =
        boldGroup(tr("Feuille A4 ou Personnalisée Etiquettes 70 x 50"), "sheetGroup");
    auto *sheetColumn = new QVBoxLayout(sheetGroup);
    auto *mm = named(new QLabel(tr("Marges et séparateurs en mm")), "distancesCaption");
    QPalette red = mm->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    mm->setPalette(red);
    sheetColumn->addWidget(mm);
    sheetColumn->addWidget(buildSheet());
    sheetColumn->addWidget(buildUsedPositionsRow());
    layout->addWidget(sheetGroup, 0, Qt::AlignTop);
    m_listGroup = boldGroup(LabelListPanel::caption(), "listGroup");
    m_listPanel = named(new LabelListPanel(m_commonDialog), "listPanel");
    (new QVBoxLayout(m_listGroup))->addWidget(m_listPanel);
    m_listGroup->hide();
    layout->addWidget(m_listGroup, 0, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Only the groups' captions are bold: what they hold keeps the window's font.
    QFont plain = font();
    plain.setBold(false);
    for (QGroupBox *group : findChildren<QGroupBox *>()) {
        for (QWidget *inside : group->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            if (!qobject_cast<QGroupBox *>(inside) && !qobject_cast<SheetTile *>(inside))
                inside->setFont(plain);
        }
    }
}

QWidget *PrintSettingsDialog::buildLeftColumn()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    m_chooseTileHint = named(new QLabel(tr("Cliquez sur l'étiquette que vous désirez imprimer")),
                             "chooseTileHint");
    m_chooseTileHint->setAlignment(Qt::AlignCenter);
    m_chooseTileHint->setWordWrap(true);
    QFont hint = m_chooseTileHint->font();
    hint.setBold(true);
    hint.setPointSizeF(hint.pointSizeF() * 1.15);
    m_chooseTileHint->setFont(hint);

    auto *modeGroup = named(new QGroupBox(tr("Option")), "modeGroup");
    auto *options = new QVBoxLayout(modeGroup);
    m_singleLabelOption =
        named(new QRadioButton(tr("Etiquette sélectionnée")), "singleLabelOption");
    m_runOption = named(new QRadioButton(tr("10 Etiquettes identiques")), "runOption");
    m_listOption = named(new QRadioButton(LabelListPanel::caption()), "listOption");
    options->addWidget(m_singleLabelOption);
    options->addWidget(m_runOption);
    options->addWidget(m_listOption);
    layout->addWidget(modeGroup);

    m_frameCheck = named(new QCheckBox(tr("Imprimer cadre")), "frameCheck");
    m_cutOutlineCheck = named(new QCheckBox(tr("Imprimer découpe")), "cutOutlineCheck");
    layout->addWidget(m_frameCheck);
    layout->addWidget(m_cutOutlineCheck);
    layout->addStretch();

    const auto button = [layout](const QString &caption, const char *name) {
        auto *b = named(new QPushButton(caption), name);
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    m_loadSettingsButton = button(tr("&Charger des paramètres"), "loadSettingsButton");
    m_saveSettingsButton = button(tr("&Sauver les paramètres"), "saveSettingsButton");
    m_defaultSettingsButton = button(tr("Paramètres à &Défaut"), "defaultSettingsButton");
    m_printerSetupButton = button(tr("Configurer l'imp&rimante"), "printerSetupButton");
    m_calibrationButton = button(tr("Page d'étalonnage"), "calibrationButton");
    m_calibrationButton->setToolTip(
        tr("Imprime les contours des étiquettes et des règles, à poser sur une "
           "planche pour mesurer les marges"));
    layout->addStretch();

    m_sheetPreviewButton = button(SheetPreviewDialog::title(), "sheetPreviewButton");
    auto *pair = new QHBoxLayout;
    m_labelPreviewButton =
        named(new QPushButton(WindowResources::icon(QStringLiteral("apercu")), tr("Aperçu")),
              "labelPreviewButton");
    m_cancelButton =
        named(new QPushButton(WindowResources::icon(QStringLiteral("annuler")), tr("&Annuler")),
              "cancelButton");
    for (QPushButton *b : {m_labelPreviewButton, m_cancelButton}) {
        b->setAutoDefault(false);
        pair->addWidget(b);
    }
    layout->addLayout(pair);
    m_printLabelsButton = button(tr("&Imprimer l'étiquette N°"), "printLabelsButton");
    m_printLabelsButton->setIcon(WindowResources::icon(QStringLiteral("imprimer")));
    m_printLabelsButton->setMinimumHeight(36);
    // The hint wraps within the width that the options and buttons need.
    column->setFixedWidth(column->sizeHint().width());
    layout->insertWidget(0, m_chooseTileHint);
    return column;
}

QWidget *PrintSettingsDialog::buildSheet()
{
    auto *sheet = new SheetMockup;
    for (int n = 1; n <= int(m_tiles.size()); ++n) {
        auto *tile = new SheetTile(SheetGeometry::shownPositionCaption(n), sheet);
        tile->setObjectName(QStringLiteral("positionTile%1").arg(n));
        tile->setGeometry(tileRect(n));
        m_tiles[std::size_t(n - 1)] = tile;
    }
    const QRect first = tileRect(1);
    const int belowArrow = first.top() + ArrowOffset + 6;
    const int besideArrow = first.left() + ArrowOffset + 6;
    const auto place = [this, sheet](SheetDistance which, const char *name, QPoint at) {
        m_distanceEdits[std::size_t(which)] = distanceBox(sheet, name, at);
    };
    place(SheetDistance::LeftMargin, "leftMarginEdit", {3, belowArrow});
    place(SheetDistance::ColumnGap, "columnGapEdit", {first.right() + 4, belowArrow});
    place(SheetDistance::TopMargin, "topMarginEdit",
          {besideArrow, (MockTopMargin - DistanceBoxSize.height()) / 2});
    place(SheetDistance::RowGap, "rowGapEdit",
          {besideArrow, first.bottom() + 1 + (MockRowGap - DistanceBoxSize.height()) / 2});
    buildRunPanel(sheet);
    return sheet;
}

// Under the sheet, in every mode: the run's panel hides most tiles.
QWidget *PrintSettingsDialog::buildUsedPositionsRow()
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_usedPositionsCaption = named(new QLabel, "usedPositionsCaption");
    m_usedPositionsCaption->setWordWrap(true);
    m_newSheetButton = named(new QPushButton(tr("Nouvelle feuille")), "newSheetButton");
    m_newSheetButton->setAutoDefault(false);
    m_newSheetButton->setToolTip(
        tr("Une feuille neuve est dans l'imprimante : aucune étiquette n'est utilisée"));
    layout->addWidget(m_usedPositionsCaption, 1);
    layout->addWidget(m_newSheetButton);
    showUsedPositions(m_usedPositions);
    return row;
}

QWidget *PrintSettingsDialog::buildRunPanel(QWidget *sheet)
{
    m_runGroup = boldGroup(tr("Etiquettes identiques / Numérotation "), "runGroup");
    m_runGroup->setParent(sheet);
    // It hides the tiles it lies over.
    m_runGroup->setAutoFillBackground(true);
    const QRect fifth = tileRect(5);
    m_runGroup->setGeometry(2, fifth.top() - MockRowGap / 2, MockWidth - 3,
                            MockHeight - fifth.top() + MockRowGap / 2 - 1);
    auto *grid = new QGridLayout(m_runGroup);
    tightLayout(grid);

    const CountRow copies =
        addCountRow(grid, 0, tr("Nombre d'étiquettes identiques (10 maxi) :"), "copyCount", 10);
    m_countBoxes[std::size_t(CountField::CopyCount)] = {
        CountField::CopyCount, copies.caption, copies.edit, copies.spinner, &PrintRun::copyCount};
    const CountRow start =
        addCountRow(grid, 1, tr("Imprimer à partir de l'étiquette N° :"), "startPosition", 10);
    m_countBoxes[std::size_t(CountField::StartPosition)] = {
        CountField::StartPosition, start.caption, start.edit, start.spinner,
        &PrintRun::startPosition};
    m_autoNumberingCheck =
        named(new QCheckBox(tr("Incrémentation automatique du texte 3")), "autoNumberingCheck");
    grid->addWidget(m_autoNumberingCheck, 2, 0, 1, 3);
    grid->addWidget(buildNumberingPanel(), 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    m_runGroup->raise();
    return m_runGroup;
}

QWidget *PrintSettingsDialog::buildNumberingPanel()
{
    m_numberingGroup = boldGroup(tr("Numérotation automatique "), "numberingGroup");
    auto *grid = new QGridLayout(m_numberingGroup);
    tightLayout(grid);
    const CountRow first =
        addCountRow(grid, 0, tr("Numéro de disquette de départ :"), "firstDiskNumber", 99);
    m_countBoxes[std::size_t(CountField::FirstDiskNumber)] = {
        CountField::FirstDiskNumber, first.caption, first.edit, first.spinner,
        &PrintRun::nextDiskNumber};

    m_numberStyleGroup = boldGroup(tr("Type d'incrémentation du texte 3"), "numberStyleGroup");
    auto *styles = new QVBoxLayout(m_numberStyleGroup);
    tightLayout(styles);
    m_numberStyleOption =
        named(new QRadioButton(tr("Numéro de disquette : X")), "numberStyleOption");
    m_numberOfTotalStyleOption =
        named(new QRadioButton(tr("Numéro de disquette : X/X")), "numberOfTotalStyleOption");
    styles->addWidget(m_numberStyleOption);
    styles->addWidget(m_numberOfTotalStyleOption);
    grid->addWidget(m_numberStyleGroup, 1, 0, 1, 3);
    return m_numberingGroup;
}

void PrintSettingsDialog::setTipTexts()
{
    for (SheetTile *tile : m_tiles)
        tile->setToolTip(tr("Cliquez pour sélectionner"));
    for (const SheetDistance which : SheetDistances) {
        const QString tip = SheetGeometry::distanceName(which);
        distanceEdit(which)->setToolTip(tip);
        distanceEdit(which)->setAccessibleName(tip);
    }
    countBox(CountField::CopyCount).edit->setToolTip(tr("Nombre d'étiquettes identiques"));
    showStartLabelTip();
    m_autoNumberingCheck->setToolTip(tr("Incrémentation du texte 3 lors de l'impression"));
}

void PrintSettingsDialog::connectHandlers()
{
    connect(m_singleLabelOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseSingleLabel();
    });
    connect(m_runOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseRun();
    });
    connect(m_listOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseList();
    });
    connect(m_listPanel, &LabelListPanel::listChanged, this,
            &PrintSettingsDialog::onListTextChanged);
    connect(m_listPanel, &LabelListPanel::labelCountChanged, this,
            &PrintSettingsDialog::showListCount);
    connect(m_numberStyleOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberStyle();
    });
    connect(m_numberOfTotalStyleOption, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            chooseNumberOfTotalStyle();
    });
    for (std::size_t i = 0; i < m_tiles.size(); ++i)
        connect(m_tiles[i], &SheetTile::clicked, this, [this, i] { choosePosition(int(i) + 1); });
    connect(m_autoNumberingCheck, &QCheckBox::toggled, this,
            &PrintSettingsDialog::onAutoNumberingToggled);
    for (const SheetDistance which : SheetDistances)
        connect(distanceEdit(which), &QLineEdit::textChanged, this,
                [this, which] { onDistanceEdited(which); });
    for (const CountBox &box : m_countBoxes) {
        connect(box.edit, &QLineEdit::textChanged, this, [this, &box] { onCountEdited(box); });
        connect(box.spinner, &Spinner::valueChanged, this,
                [this, &box](int value) { onCountStepped(box, value); });
    }
    connect(m_printLabelsButton, &QPushButton::clicked, this, &PrintSettingsDialog::printLabels);
    connect(m_cancelButton, &QPushButton::clicked, this, &PrintSettingsDialog::cancel);
    connect(m_defaultSettingsButton, &QPushButton::clicked, this,
            &PrintSettingsDialog::restoreDefaultSettings);
    connect(m_saveSettingsButton, &QPushButton::clicked, this, &PrintSettingsDialog::saveSettings);
    connect(m_loadSettingsButton, &QPushButton::clicked, this, &PrintSettingsDialog::loadSettings);
    connect(m_printerSetupButton, &QPushButton::clicked, this, &PrintSettingsDialog::printerSetup);
    connect(m_calibrationButton, &QPushButton::clicked, this,
            &PrintSettingsDialog::calibrationRequested);
    connect(m_labelPreviewButton, &QPushButton::clicked, this, &PrintSettingsDialog::preview);
    connect(m_sheetPreviewButton, &QPushButton::clicked, this, &PrintSettingsDialog::sheetPreview);
    connect(m_newSheetButton, &QPushButton::clicked, this, &PrintSettingsDialog::replaceSheet);
}

void PrintSettingsDialog::orderFocus()
{
    // The window's reading order: the mode, the two switches, the buttons, then the sheet's
    // distances and positions, then the run.
    QList<QWidget *> order{m_singleLabelOption,
                           m_runOption,
                           m_listOption,
                           m_frameCheck,
                           m_cutOutlineCheck,
                           m_loadSettingsButton,
                           m_saveSettingsButton,
                           m_defaultSettingsButton,
                           m_printerSetupButton,
                           m_calibrationButton,
                           m_sheetPreviewButton,
                           m_labelPreviewButton,
                           m_cancelButton,
                           m_printLabelsButton,
                           distanceEdit(SheetDistance::LeftMargin),
                           distanceEdit(SheetDistance::ColumnGap),
                           distanceEdit(SheetDistance::TopMargin),
                           distanceEdit(SheetDistance::RowGap)};
    order.append({m_tiles.cbegin(), m_tiles.cend()});
    order.append(m_newSheetButton);
    order.append({countBox(CountField::CopyCount).edit, countBox(CountField::StartPosition).edit,
                  m_autoNumberingCheck, countBox(CountField::FirstDiskNumber).edit,
                  m_numberStyleOption, m_numberOfTotalStyleOption, m_listPanel});
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}
