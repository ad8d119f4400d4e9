#include "gui/compact/compactlayout.h"
#include "gui/favourites/favouriteslayout.h"
#include "gui/main/mainlayout.h"
#include "gui/sheets/registerslayout.h"
#include "gui/sheets/sheettext.h"
#include "gui/sheets/symbologylayout.h"
#include "gui/widgets/colours.h"
#include "gui/widgets/layoutbuilder.h"
#include "support/apphelper.h"

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTest>

#include <optional>

using namespace tessaron;

namespace {

// What a control made from a row must show; nothing where the row leaves it to
// the control.
struct Shown {
    QRect pixels;
    QString family;
    qreal points = 0;
    bool bold = false;
    bool underline = false;
    QColor text;
    QColor background;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrapped = false;
};

// The pixel at `point` is drawn in black or nearly so.
bool isDark(const QImage &image, QPoint point)
{
    return image.rect().contains(point) && qGray(image.pixel(point)) < 100;
}

// Where an outline's line must be drawn, in pixels, reckoned from its twips here
// rather than by the builder: the middle of the first edge of a figure drawn
// through points of its own, or the left edge of the rectangle or ellipse, half
// its pen in, at mid-height.
std::optional<QPoint> pointOnOutline(const OutlineRow &row)
{
    if (!row.points.isEmpty()) {
        const QPoint mid = (row.points[0] + row.points[1]) / 2;
        return QPoint(mid.x() / 15, mid.y() / 15);
    }
    if (row.family == Family::R || row.family == Family::C)
        return QPoint(row.twips.left() / 15 + row.width / 2,
                      (row.twips.top() + row.twips.height() / 2) / 15);
    return std::nullopt; // a figure fitted to its box: its edges are the figure's own
}

// The canvas's own drawing, without the controls that stand on it.
QImage drawnBeneath(QWidget *canvas)
{
    QImage image(canvas->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    canvas->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    return image;
}

} // namespace

Q_DECLARE_METATYPE(LayoutRow)
Q_DECLARE_METATYPE(Shown)

class TestLayoutBuilder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void rowsAreBuiltAsWritten_data();
    void rowsAreBuiltAsWritten();
    void labelsShowTheirTextAsPlainText();
    void outlinesAreConvertedToPixels();
    void aSheetTextKeepsTheSizeItFitted();
    void windowsDrawTheirOutlinesWhereTheirLayoutSays_data();
    void windowsDrawTheirOutlinesWhereTheirLayoutSays();
};

void TestLayoutBuilder::rowsAreBuiltAsWritten_data()
{
    QTest::addColumn<LayoutRow>("row");
    QTest::addColumn<Shown>("shown");
    const QString arial = QStringLiteral("Arial");
    const QString control = QStringLiteral("MS Sans Serif");
    // 15 twips to a pixel.
    QTest::newRow("place only") << LayoutRow{"Label1", QRect(150, 300, 1500, 255)}
                                << Shown{QRect(10, 20, 100, 17)};
    QTest::newRow("Arial, bold and underlined")
        << LayoutRow{"Label1", QRect(0, 0, 1500, 255), {.font = FontSpec{26.25, true, true}}}
        << Shown{QRect(0, 0, 100, 17), arial, 26.25, true, true};
    QTest::newRow("control face") << LayoutRow{"Label1",
                                               QRect(0, 0, 1500, 255),
                                               {.font = FontSpec{9.75, true, false, Face::Control}}}
                                  << Shown{QRect(0, 0, 100, 17), control, 9.75, true};
    QTest::newRow("coloured text") << LayoutRow{"Label1", QRect(0, 0, 1500, 255), {.text = kRed}}
                                   << Shown{QRect(0, 0, 100, 17), {}, 0, false, false, kRed};
    QTest::newRow("background")
        << LayoutRow{"Label1", QRect(0, 0, 1500, 255), {.background = kLightYellow}}
        << Shown{QRect(0, 0, 100, 17), {}, 0, false, false, {}, kLightYellow};
    QTest::newRow("centred")
        << LayoutRow{"Label1", QRect(0, 0, 1500, 255), {.alignment = Qt::AlignCenter}}
        << Shown{QRect(0, 0, 100, 17), {}, 0, false, false, {}, {}, Qt::AlignCenter};
    QTest::newRow("wrapped") << LayoutRow{"Label1",
                                          QRect(0, 0, 1500, 255),
                                          {.flow = TextFlow::Wrapped}}
                             << Shown{QRect(0, 0, 100, 17),
                                      {},
                                      0,
                                      false,
                                      false,
                                      {},
                                      {},
                                      Qt::AlignLeft | Qt::AlignVCenter,
                                      true};
}

void TestLayoutBuilder::rowsAreBuiltAsWritten()
{
    QFETCH(LayoutRow, row);
    QFETCH(Shown, shown);
    QWidget parent;
    parent.setFont(controlFont());
    const QPalette own = parent.palette();
    QLabel *label = LayoutBuilder(&parent).label(row, QStringLiteral("www."));
    QCOMPARE(label->parentWidget(), &parent);
    QCOMPARE(label->objectName(), row.name);
    QCOMPARE(label->geometry(), shown.pixels);
    if (shown.points > 0) {
        QCOMPARE(label->font().family(), shown.family);
        QCOMPARE(label->font().pointSizeF(), shown.points);
        QCOMPARE(label->font().bold(), shown.bold);
        QCOMPARE(label->font().underline(), shown.underline);
    } else {
        QCOMPARE(label->font(), parent.font());
    }
    QCOMPARE(label->palette().color(QPalette::WindowText),
             shown.text.isValid() ? shown.text : own.color(QPalette::WindowText));
    QCOMPARE(label->autoFillBackground(), shown.background.isValid());
    if (shown.background.isValid())
        QCOMPARE(label->palette().color(QPalette::Window), shown.background);
    QCOMPARE(label->alignment(), shown.alignment);
    QCOMPARE(label->wordWrap(), shown.wrapped);

    // Any control takes the same row the same way.
    auto *box = LayoutBuilder(&parent).add<QLineEdit>(row, QStringLiteral("abc"));
    QCOMPARE(box->text(), QStringLiteral("abc"));
    QCOMPARE(box->objectName(), row.name);
    QCOMPARE(box->geometry(), shown.pixels);
    QCOMPARE(box->font(), label->font());
}

void TestLayoutBuilder::labelsShowTheirTextAsPlainText()
{
    QWidget parent;
    LayoutBuilder build(&parent);
    const LayoutRow row{"Label1", QRect(0, 0, 1500, 255), {}, QStringLiteral("www.")};
    QCOMPARE(build.label(row)->text(), QStringLiteral("www."));
    QCOMPARE(build.label(row, QStringLiteral("abc"))->text(), QStringLiteral("abc"));
    QLabel *markup = build.label(row, QStringLiteral("<b>abc</b>"));
    QCOMPARE(markup->textFormat(), Qt::PlainText);
    QCOMPARE(markup->text(), QStringLiteral("<b>abc</b>"));
}

void TestLayoutBuilder::outlinesAreConvertedToPixels()
{
    const FamilyOutline box = LayoutBuilder::outline({Family::R, QRect(120, 2160, 4095, 735), 3});
    QCOMPARE(box.family, Family::R);
    QCOMPARE(box.area, QRect(8, 144, 273, 49));
    QCOMPARE(box.width, 3);
    QVERIFY(box.designed.isEmpty());
    const FamilyOutline lines =
        LayoutBuilder::outline({Family::T, {}, 2, {{0, 4440}, {2280, 3480}, {4440, 4440}}});
    QCOMPARE(lines.designed, QPolygon({QPoint(0, 296), QPoint(152, 232), QPoint(296, 296)}));
    QVERIFY(lines.area.isEmpty());
}

void TestLayoutBuilder::aSheetTextKeepsTheSizeItFitted()
{
    QWidget parent;
    // Too large a face for its box: the text is set smaller, and stays so.
    const LayoutRow row{"Label1",
                        QRect(0, 0, 1500, 600),
                        {.font = FontSpec{40, true}, .text = kGreen, .flow = TextFlow::Wrapped}};
    SheetText text(QStringLiteral("one two three four"), row, &parent);
    QCOMPARE(text.objectName(), row.name);
    QCOMPARE(text.geometry(), QRect(0, 0, 100, 40));
    QCOMPARE(text.flow(), TextFlow::Wrapped);
    QVERIFY(text.fittedFont().pixelSize() < qRound(40 * 96.0 / 72.0));
    QVERIFY(text.fittedFont().bold());
    QCOMPARE(text.font(), text.fittedFont());
    QCOMPARE(text.palette().color(QPalette::WindowText), kGreen);
    // A row that names no face starts from the control face.
    SheetText plain(QStringLiteral("abc"), LayoutRow{"Label2", QRect(0, 0, 1500, 255)}, &parent);
    QCOMPARE(plain.fittedFont().family(), controlFont().family());
}

void TestLayoutBuilder::windowsDrawTheirOutlinesWhereTheirLayoutSays_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lang");
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const char *l = lang == Lang::Spanish ? "es" : "en";
        for (auto [kind, name] : {std::pair{WindowKind::Main, "main"},
                                  {WindowKind::Compact, "compact"},
                                  {WindowKind::Favourites, "favourites"},
                                  {WindowKind::Registers, "registers"},
                                  {WindowKind::Symbology, "symbology"}})
            QTest::addRow("%s, %s", l, name) << int(kind) << int(lang);
    }
}

void TestLayoutBuilder::windowsDrawTheirOutlinesWhereTheirLayoutSays()
{
    QFETCH(int, kind);
    QFETCH(int, lang);
    TestApp app;
    app.app.registry().show(WindowKind(kind), Lang(lang));
    QWidget *window = app.app.registry().window(WindowKind(kind), Lang(lang));
    QVERIFY(window);
    // Each canvas with the outlines its layout gives it.
    QList<std::pair<QWidget *, QList<OutlineRow>>> canvases;
    auto rows = [](const auto &outlines) {
        return QList<OutlineRow>(outlines.begin(), outlines.end());
    };
    switch (WindowKind(kind)) {
    case WindowKind::Main:
        canvases << std::pair{window->findChild<QWidget *>("client"),
                              rows(mainLayout(Lang(lang)).outlines)};
        break;
    case WindowKind::Compact: {
        canvases << std::pair{window->findChild<QWidget *>("client"),
                              rows(compactLayout(Lang(lang), compactTexts(Lang(lang))).outlines)};
        break;
    }
    case WindowKind::Favourites: {
        const FavouritesLayout &layout = favouritesLayout(Lang(lang));
        QList<OutlineRow> nameRows;
        for (const FavouritesLayout::NameRow &row : layout.nameRows)
            nameRows << row.outline;
        canvases << std::pair{window->findChild<QWidget *>("picfig"), rows(layout.figureOutlines)}
                 << std::pair{window->findChild<QWidget *>("picnom"), nameRows};
        break;
    }
    case WindowKind::Registers:
        canvases << std::pair{window->findChild<QWidget *>("client"),
                              rows(registersLayout(Lang(lang)).outlines)};
        break;
    default:
        canvases << std::pair{window->findChild<QWidget *>("client"),
                              rows(symbologyLayout(Lang(lang)).outlines)};
        break;
    }
    int sampled = 0;
    for (const auto &[canvas, outlines] : canvases) {
        QVERIFY(canvas);
        const QImage drawn = drawnBeneath(canvas);
        for (const OutlineRow &row : outlines) {
            const std::optional<QPoint> point = pointOnOutline(row);
            if (!point)
                continue;
            QVERIFY2(isDark(drawn, *point), qPrintable(QStringLiteral("%1: no line at (%2, %3)")
                                                           .arg(canvas->objectName())
                                                           .arg(point->x())
                                                           .arg(point->y())));
            ++sampled;
        }
    }
    QVERIFY(sampled >= 4);
}

QTEST_MAIN(TestLayoutBuilder)
#include "tst_layoutbuilder.moc"
