#include "windows/Form2.h"

#include "print/SheetGeometry.h"
#include "windows/KeyFilteredEdit.h"
#include "windows/SheetTile.h"
#include "windows/Spinner.h"
#include "windows/WindowResources.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString DistanceCharacters = QStringLiteral("0123456789.-");
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

KeyFilteredEdit *countBox(const char *name, QLabel *caption)
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

QGroupBox *boldGroup(const QString &caption, const char *name)
{
    auto *group = new QGroupBox(caption);
    group->setObjectName(QLatin1String(name));
    QFont bold = group->font();
    bold.setBold(true);
    group->setFont(bold);
    return group;
}

template <typename Control> Control *named(Control *control, const char *name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

void tightLayout(QLayout *layout)
{
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(3);
}

} // namespace

void Form2::buildWindow()
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(buildLeftColumn());
    auto *Frame1 =
        boldGroup(QStringLiteral("Feuille A4 ou Personnalisée Etiquettes 70 x 50"), "Frame1");
    auto *sheetColumn = new QVBoxLayout(Frame1);
    auto *mm = named(new QLabel(QStringLiteral("Marges et séparateurs en mm")), "Label15");
    QPalette red = mm->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    mm->setPalette(red);
    sheetColumn->addWidget(mm);
    sheetColumn->addWidget(buildSheet());
    layout->addWidget(Frame1, 0, Qt::AlignTop);
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

QWidget *Form2::buildLeftColumn()
{
    auto *column = new QWidget;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);

    Label11 = named(new QLabel(QStringLiteral("Cliquez sur l'étiquette que vous désirez imprimer")),
                    "Label11");
    Label11->setAlignment(Qt::AlignCenter);
    Label11->setWordWrap(true);
    QFont hint = Label11->font();
    hint.setBold(true);
    hint.setPointSizeF(hint.pointSizeF() * 1.15);
    Label11->setFont(hint);

    auto *Frame2 = named(new QGroupBox(QStringLiteral("Option")), "Frame2");
    auto *options = new QVBoxLayout(Frame2);
    Option1 = named(new QRadioButton(QStringLiteral("Etiquette sélectionnée")), "Option1");
    Option2 = named(new QRadioButton(QStringLiteral("10 Etiquettes identiques")), "Option2");
    options->addWidget(Option1);
    options->addWidget(Option2);
    layout->addWidget(Frame2);

    Check1 = named(new QCheckBox(QStringLiteral("Imprimer cadre")), "Check1");
    Check2 = named(new QCheckBox(QStringLiteral("Imprimer découpe")), "Check2");
    layout->addWidget(Check1);
    layout->addWidget(Check2);
    layout->addStretch();

    const auto button = [layout](const QString &caption, const char *name) {
        auto *b = named(new QPushButton(caption), name);
        b->setAutoDefault(false);
        layout->addWidget(b);
        return b;
    };
    Command5 = button(QStringLiteral("&Charger des paramètres"), "Command5");
    Command4 = button(QStringLiteral("&Sauver les paramètres"), "Command4");
    Command3 = button(QStringLiteral("Paramètres à &Défaut"), "Command3");
    Command6 = button(QStringLiteral("Configurer l'imp&rimante"), "Command6");
    Calibration = button(QStringLiteral("Page d'étalonnage"), "Calibration");
    Calibration->setToolTip(
        QStringLiteral("Imprime les contours des étiquettes et des règles, à poser sur une "
                       "planche pour mesurer les marges"));
    layout->addStretch();

    auto *pair = new QHBoxLayout;
    Command7 = named(
        new QPushButton(WindowResources::icon(QStringLiteral("apercu")), QStringLiteral("Aperçu")),
        "Command7");
    Command2 = named(new QPushButton(WindowResources::icon(QStringLiteral("annuler")),
                                     QStringLiteral("&Annuler")),
                     "Command2");
    for (QPushButton *b : {Command7, Command2}) {
        b->setAutoDefault(false);
        pair->addWidget(b);
    }
    layout->addLayout(pair);
    Command1 = button(QStringLiteral("&Imprimer l'étiquette N°"), "Command1");
    Command1->setIcon(WindowResources::icon(QStringLiteral("imprimer")));
    Command1->setMinimumHeight(36);
    // The hint wraps within the width that the options and buttons need.
    column->setFixedWidth(column->sizeHint().width());
    layout->insertWidget(0, Label11);
    return column;
}

QWidget *Form2::buildSheet()
{
    auto *sheet = new SheetMockup;
    for (int n = 1; n <= int(m_tiles.size()); ++n) {
        auto *tile = new SheetTile(SheetGeometry::positionCaption(n), sheet);
        tile->setObjectName(QStringLiteral("Label%1").arg(n));
        tile->setGeometry(tileRect(n));
        m_tiles[std::size_t(n - 1)] = tile;
    }
    const QRect first = tileRect(1);
    const int belowArrow = first.top() + ArrowOffset + 6;
    const int besideArrow = first.left() + ArrowOffset + 6;
    Text1 = distanceBox(sheet, "Text1", {3, belowArrow});
    Text2 = distanceBox(sheet, "Text2", {first.right() + 4, belowArrow});
    Text3 =
        distanceBox(sheet, "Text3", {besideArrow, (MockTopMargin - DistanceBoxSize.height()) / 2});
    Text4 = distanceBox(
        sheet, "Text4",
        {besideArrow, first.bottom() + 1 + (MockRowGap - DistanceBoxSize.height()) / 2});
    buildRunPanel(sheet);
    return sheet;
}

QWidget *Form2::buildRunPanel(QWidget *sheet)
{
    Frame3 = boldGroup(QStringLiteral("Etiquettes identiques / Numérotation "), "Frame3");
    Frame3->setParent(sheet);
    // It hides the tiles it lies over.
    Frame3->setAutoFillBackground(true);
    const QRect fifth = tileRect(5);
    Frame3->setGeometry(2, fifth.top() - MockRowGap / 2, MockWidth - 3,
                        MockHeight - fifth.top() + MockRowGap / 2 - 1);
    auto *grid = new QGridLayout(Frame3);
    tightLayout(grid);

    QLabel *Label13 =
        boxCaption(QStringLiteral("Nombre d'étiquettes identiques (10 maxi) :"), "Label13");
    Text5 = countBox("Text5", Label13);
    VScroll1 = spinner("VScroll1", 10, Label13->text());
    QLabel *Label12 =
        boxCaption(QStringLiteral("Imprimer à partir de l'étiquette N° :"), "Label12");
    Text6 = countBox("Text6", Label12);
    VScroll2 = spinner("VScroll2", 10, Label12->text());
    grid->addWidget(Label13, 0, 0);
    grid->addWidget(Text5, 0, 1);
    grid->addWidget(VScroll1, 0, 2);
    grid->addWidget(Label12, 1, 0);
    grid->addWidget(Text6, 1, 1);
    grid->addWidget(VScroll2, 1, 2);
    Check3 =
        named(new QCheckBox(QStringLiteral("Incrémentation automatique du texte 3")), "Check3");
    grid->addWidget(Check3, 2, 0, 1, 3);
    grid->addWidget(buildNumberingPanel(), 3, 0, 1, 3);
    grid->setRowStretch(4, 1);
    Frame3->raise();
    return Frame3;
}

QWidget *Form2::buildNumberingPanel()
{
    Frame5 = boldGroup(QStringLiteral("Numérotation automatique "), "Frame5");
    auto *grid = new QGridLayout(Frame5);
    tightLayout(grid);
    QLabel *Label14 = boxCaption(QStringLiteral("Numéro de disquette de départ :"), "Label14");
    Text7 = countBox("Text7", Label14);
    VScroll3 = spinner("VScroll3", 99, Label14->text());
    grid->addWidget(Label14, 0, 0);
    grid->addWidget(Text7, 0, 1);
    grid->addWidget(VScroll3, 0, 2);

    Frame4 = boldGroup(QStringLiteral("Type d'incrémentation du texte 3"), "Frame4");
    auto *styles = new QVBoxLayout(Frame4);
    tightLayout(styles);
    Option3 = named(new QRadioButton(QStringLiteral("Numéro de disquette : X")), "Option3");
    Option4 = named(new QRadioButton(QStringLiteral("Numéro de disquette : X/X")), "Option4");
    styles->addWidget(Option3);
    styles->addWidget(Option4);
    grid->addWidget(Frame4, 1, 0, 1, 3);
    return Frame5;
}

void Form2::setTipTexts()
{
    for (SheetTile *tile : m_tiles)
        tile->setToolTip(QStringLiteral("Cliquez pour sélectionner"));
    const std::array<std::pair<KeyFilteredEdit *, QString>, 4> distances{
        {{Text1, QStringLiteral("Marge gauche")},
         {Text3, QStringLiteral("Marge haute")},
         {Text2, QStringLiteral("Séparateur horizontal")},
         {Text4, QStringLiteral("Séparateur vertical")}}};
    for (const auto &[box, tip] : distances) {
        box->setToolTip(tip);
        box->setAccessibleName(tip);
    }
    Text5->setToolTip(QStringLiteral("Nombre d'étiquettes identiques"));
    showStartLabelTip();
    Check3->setToolTip(QStringLiteral("Incrémentation du texte 3 lors de l'impression"));
}

void Form2::connectHandlers()
{
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option2_Click();
    });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option3_Click();
    });
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            Option4_Click();
    });
    for (std::size_t i = 0; i < m_tiles.size(); ++i)
        connect(m_tiles[i], &SheetTile::clicked, this, [this, i] { Label_Click(int(i) + 1); });
    connect(Check3, &QCheckBox::toggled, this, &Form2::Check3_Click);
    connect(Text1, &QLineEdit::textChanged, this, &Form2::Text1_Change);
    connect(Text2, &QLineEdit::textChanged, this, &Form2::Text2_Change);
    connect(Text3, &QLineEdit::textChanged, this, &Form2::Text3_Change);
    connect(Text4, &QLineEdit::textChanged, this, &Form2::Text4_Change);
    connect(Text5, &QLineEdit::textChanged, this, &Form2::Text5_Change);
    connect(Text6, &QLineEdit::textChanged, this, &Form2::Text6_Change);
    connect(Text7, &QLineEdit::textChanged, this, &Form2::Text7_Change);
    connect(VScroll1, &Spinner::valueChanged, this, &Form2::VScroll1_Change);
    connect(VScroll2, &Spinner::valueChanged, this, &Form2::VScroll2_Change);
    connect(VScroll3, &Spinner::valueChanged, this, &Form2::VScroll3_Change);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form2::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, &Form2::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &Form2::Command5_Click);
    connect(Command6, &QPushButton::clicked, this, &Form2::Command6_Click);
    connect(Calibration, &QPushButton::clicked, this, &Form2::calibrationRequested);
    connect(Command7, &QPushButton::clicked, this, &Form2::Command7_Click);
}
