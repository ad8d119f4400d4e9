#include "gui/about/aboutwindow.h"
#include "gui/compact/compactwindow.h"
#include "gui/favourites/favouriteswindow.h"
#include "gui/help/helpviewer.h"
#include "gui/main/mainwindow.h"
#include "gui/widgets/accessibility.h"
#include "gui/widgets/accessiblelineedit.h"
#include "support/apphelper.h"
#include "support/savednames.h"

#include <QAccessible>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace tessaron;

namespace {

enum class Relation { At, Before, After };

QString ask(QAccessibleTextInterface *text, Relation relation, int offset,
            QAccessible::TextBoundaryType type, int *start, int *end)
{
    switch (relation) {
    case Relation::At:
        return text->textAtOffset(offset, type, start, end);
    case Relation::Before:
        return text->textBeforeOffset(offset, type, start, end);
    case Relation::After:
        return text->textAfterOffset(offset, type, start, end);
    }
    return {};
}

// A text box's interface, only once it is known to be the program's: Qt's own
// would never return from some of the questions below.
QAccessibleTextInterface *programsTextInterface(QLineEdit *box)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    if (!dynamic_cast<AccessibleLineEdit *>(iface))
        return nullptr;
    return iface->textInterface();
}

const QString kFortyLetters = QStringLiteral("abcdefghij-klmnopqrst-uvwxyz0123456789-a");

struct Heard {
    QAccessible::Role role;
    QString name;
    QString value;
    bool checked;
};

Heard heard(QWidget *control)
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(control);
    return {iface->role(), iface->text(QAccessible::Name), iface->text(QAccessible::Value),
            iface->state().checked != 0};
}

} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void textPieces_data();
    void textPieces();
    void everyTextBoxAnswersEveryQuery_data();
    void everyTextBoxAnswersEveryQuery();
    void editingThroughTheReaderIsTyping();
    void mainWindowControls_data();
    void mainWindowControls();
    void favouritesWindowControls_data();
    void favouritesWindowControls();
    void compactWindowTags_data();
    void compactWindowTags();
    void theAboutWindowIsADialog();
};

void TestAccessibility::initTestCase()
{
    // As the program does before its first window.
    installAccessibleInterfaces();
}

void TestAccessibility::textPieces_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("relation");
    QTest::addColumn<int>("boundary");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("piece");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    const int at = int(Relation::At), before = int(Relation::Before), after = int(Relation::After);
    const int chr = QAccessible::CharBoundary, word = QAccessible::WordBoundary,
              sentence = QAccessible::SentenceBoundary, line = QAccessible::LineBoundary;
    const QString name = QStringLiteral("abc-def");
    QTest::newRow("word at 0") << name << at << word << 0 << "abc" << 0 << 3;
    QTest::newRow("word inside") << name << at << word << 2 << "abc" << 0 << 3;
    QTest::newRow("hyphen") << name << at << word << 3 << "-" << 3 << 4;
    QTest::newRow("second word") << name << at << word << 4 << "def" << 4 << 7;
    // Where Ctrl+Right leaves the cursor: Qt's own box never answers this one.
    QTest::newRow("word at the end") << name << at << word << 7 << "def" << 4 << 7;
    QTest::newRow("word at the end (-1)") << name << at << word << -1 << "def" << 4 << 7;
    QTest::newRow("word past the end") << name << at << word << 8 << "" << -1 << -1;
    QTest::newRow("word before 0") << name << at << word << -3 << "" << -1 << -1;
    QTest::newRow("word before the second") << name << before << word << 4 << "-" << 3 << 4;
    QTest::newRow("word before the first") << name << before << word << 1 << "" << 0 << 0;
    QTest::newRow("word after the first") << name << after << word << 0 << "-" << 3 << 4;
    QTest::newRow("word after the last") << name << after << word << 5 << "" << 7 << 7;
    QTest::newRow("character") << name << at << chr << 6 << "f" << 6 << 7;
    QTest::newRow("character at the end") << name << at << chr << 7 << "" << 7 << 7;
    QTest::newRow("character before the end") << name << before << chr << 7 << "f" << 6 << 7;
    QTest::newRow("character after the last") << name << after << chr << 6 << "" << 7 << 7;
    QTest::newRow("line at the end") << name << at << line << 7 << name << 0 << 7;
    QTest::newRow("sentence") << name << at << sentence << 3 << name << 0 << 7;
    QTest::newRow("empty: word") << QString() << at << word << 0 << "" << -1 << -1;
    QTest::newRow("empty: line") << QString() << at << line << 0 << "" << -1 << -1;
    QTest::newRow("empty: after") << QString() << after << chr << 0 << "" << 0 << 0;
    const QString sentences = QStringLiteral("Ab cd. Ef gh");
    QTest::newRow("second sentence") << sentences << at << sentence << 8 << "Ef gh" << 7 << 12;
    QTest::newRow("first sentence") << sentences << before << sentence << 8 << "Ab cd. " << 0 << 7;
    QTest::newRow("mark and space") << sentences << at << word << 6 << ". " << 5 << 7;
    QTest::newRow("marks read as one")
        << QStringLiteral("a..b") << at << word << 1 << ".." << 1 << 3;
    // A letter and its accent, two code points, are one character on screen.
    const QString accented = QStringLiteral("e\u0301x");
    QTest::newRow("accented letter")
        << accented << at << chr << 1 << QStringLiteral("e\u0301") << 0 << 2;
    QTest::newRow("after the accented letter") << accented << after << chr << 0 << "x" << 2 << 3;
}

void TestAccessibility::textPieces()
{
    QFETCH(QString, text);
    QFETCH(int, relation);
    QFETCH(int, boundary);
    QFETCH(int, offset);
    QFETCH(QString, piece);
    QFETCH(int, start);
    QFETCH(int, end);
    QLineEdit box(text);
    QAccessibleTextInterface *reader = programsTextInterface(&box);
    QVERIFY(reader);
    int gotStart = -5;
    int gotEnd = -5;
    QCOMPARE(ask(reader, Relation(relation), offset, QAccessible::TextBoundaryType(boundary),
                 &gotStart, &gotEnd),
             piece);
    QCOMPARE(gotStart, start);
    QCOMPARE(gotEnd, end);
}

void TestAccessibility::everyTextBoxAnswersEveryQuery_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("main window, es") << "txtAdreca";
    QTest::newRow("main window, en") << "txtaAdreca";
    QTest::newRow("compact window, es") << "txtpAdreca";
    QTest::newRow("compact window, en") << "txtpaAdreca";
    QTest::newRow("favourites search, es") << "txtnom es";
    QTest::newRow("favourites search, en") << "txtnom en";
    QTest::newRow("help search") << "help";
}

void TestAccessibility::everyTextBoxAnswersEveryQuery()
{
    QFETCH(QString, box);
    TestApp app;
    QLineEdit *edit = nullptr;
    HelpViewer help;
    const auto open = [&app](WindowKind kind, Lang lang) {
        app.app.registry().show(kind, lang);
        return app.app.registry().window(kind, lang);
    };
    if (box == "help") {
        edit = help.findChild<QLineEdit *>();
    } else if (box.startsWith("txtnom")) {
        const Lang lang = box.endsWith("es") ? Lang::Spanish : Lang::English;
        edit = open(WindowKind::Favourites, lang)->findChild<QLineEdit *>("txtnom");
    } else {
        const bool compact = box.startsWith("txtp");
        const Lang lang =
            box.contains("Adreca") && box[compact ? 4 : 3] == u'a' ? Lang::English : Lang::Spanish;
        edit = open(compact ? WindowKind::Compact : WindowKind::Main, lang)
                   ->findChild<QLineEdit *>(box);
    }
    QVERIFY2(edit, qPrintable(box));
    QAccessibleTextInterface *reader = programsTextInterface(edit);
    QVERIFY2(reader, "the box is read through Qt's own interface");
    const QList<QAccessible::TextBoundaryType> types{
        QAccessible::CharBoundary,      QAccessible::WordBoundary, QAccessible::SentenceBoundary,
        QAccessible::ParagraphBoundary, QAccessible::LineBoundary, QAccessible::NoBoundary};
    for (const QString &text : {QStringLiteral("abc-def"), QString(), kFortyLetters}) {
        edit->setText(text);
        const int length = int(text.size());
        QCOMPARE(reader->characterCount(), length);
        QElapsedTimer clock;
        clock.start();
        for (int offset = -2; offset <= length + 2; ++offset) {
            for (QAccessible::TextBoundaryType type : types) {
                for (Relation relation : {Relation::At, Relation::Before, Relation::After}) {
                    int start = -5;
                    int end = -5;
                    const QString piece = ask(reader, relation, offset, type, &start, &end);
                    const QByteArray where = QStringLiteral("\"%1\" offset %2 type %3 kind %4")
                                                 .arg(text)
                                                 .arg(offset)
                                                 .arg(int(type))
                                                 .arg(int(relation))
                                                 .toUtf8();
                    // Either nothing, or a piece of the text that the offsets point to.
                    QVERIFY2((start == -1 && end == -1) ||
                                 (0 <= start && start <= end && end <= length),
                             where.constData());
                    QVERIFY2(piece == text.mid(std::max(start, 0), end - start), where.constData());
                }
            }
        }
        // Every question of a 40-letter name together, at once.
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    }
}

void TestAccessibility::editingThroughTheReaderIsTyping()
{
    TestApp app;
    app.app.registry().show(WindowKind::Main, Lang::English);
    auto *main =
        qobject_cast<MainWindow *>(app.app.registry().window(WindowKind::Main, Lang::English));
    auto *box = main->findChild<QLineEdit *>("txtaAdreca");
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(box);
    QVERIFY(iface && iface->editableTextInterface());
    QAccessibleEditableTextInterface *editor = iface->editableTextInterface();
    editor->insertText(0, QStringLiteral("abc"));
    editor->replaceText(1, 2, QStringLiteral("XY"));
    editor->deleteText(0, 1);
    QCOMPARE(box->text(), QStringLiteral("XYc"));
    // The name check hears it as it hears typing: the labels show the name in
    // lower case.
    QCOMPARE(main->findChild<QLabel *>("lblaAdreca1")->text(), QStringLiteral("xyc"));
    iface->setText(QAccessible::Value, QStringLiteral("def"));
    QCOMPARE(box->text(), QStringLiteral("def"));
    box->setReadOnly(true);
    editor->insertText(0, QStringLiteral("zz"));
    QCOMPARE(box->text(), QStringLiteral("def"));
}

void TestAccessibility::mainWindowControls_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    const int es = int(Lang::Spanish), en = int(Lang::English);
    const int link = QAccessible::Link, text = QAccessible::EditableText;
    QTest::newRow("es box") << es << "abc"
                            << "txtAdreca" << text << "Nombre de dominio";
    QTest::newRow("es plain") << es << "abc"
                              << "lblAdrecaCom" << link << "abc, sin figura";
    QTest::newRow("es 1") << es << "abc"
                          << "lblAdreca1" << link << "abc, cuatro lados";
    QTest::newRow("es 2") << es << "abc"
                          << "lblAdreca2" << link << "abc, círculo o elipse";
    QTest::newRow("es 3") << es << "abc"
                          << "lblAdreca3" << link << "abc, tres lados";
    QTest::newRow("es 4") << es << "abc"
                          << "lblAdreca4" << link << "abc, más de cuatro lados";
    // A label that shows "?" holds no name: read as a text that says so.
    const int label = QAccessible::StaticText;
    QTest::newRow("es no name") << es << ""
                                << "lblAdreca2" << label << "sin nombre, círculo o elipse";
    QTest::newRow("es plain no name") << es << ""
                                      << "lblAdrecaCom" << label << "sin nombre, sin figura";
    QTest::newRow("en box") << en << "abc"
                            << "txtaAdreca" << text << "Domain name";
    QTest::newRow("en plain") << en << "abc"
                              << "lblaAdrecaCom" << link << "abc, without figure";
    QTest::newRow("en 1") << en << "abc"
                          << "lblaAdreca1" << link << "abc, four sides";
    QTest::newRow("en 2") << en << "abc"
                          << "lblaAdreca2" << link << "abc, circle or ellipse";
    QTest::newRow("en 3") << en << "abc"
                          << "lblaAdreca3" << link << "abc, three sides";
    QTest::newRow("en 4") << en << "abc"
                          << "lblaAdreca4" << link << "abc, more than four sides";
    QTest::newRow("en no name") << en << ""
                                << "lblaAdreca4" << label << "no name, more than four sides";
    QTest::newRow("en plain no name") << en << ""
                                      << "lblaAdrecaCom" << label << "no name, without figure";
}

void TestAccessibility::mainWindowControls()
{
    QFETCH(int, lang);
    QFETCH(QString, typed);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    TestApp app;
    auto *w = app.open<MainWindow>(WindowKind::Main, Lang(lang));
    QTest::keyClicks(w->findChild<QLineEdit *>(), typed);
    auto *widget = w->findChild<QWidget *>(control);
    QVERIFY(widget);
    const Heard h = heard(widget);
    QCOMPARE(int(h.role), role);
    QCOMPARE(h.name, name);
}

void TestAccessibility::favouritesWindowControls_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("checked");
    const int es = int(Lang::Spanish), en = int(Lang::English);
    const int link = QAccessible::Link, list = QAccessible::ComboBox;
    // Figure mode, with "abc" picked in the first list.
    QTest::newRow("es figure link") << es << "Label1"
                                    << "Label1" << link << "Buscar por figuras, modo actual"
                                    << "" << true;
    QTest::newRow("es name link") << es << "Label1"
                                  << "Label2" << link << "Buscar por nombre"
                                  << "" << false;
    QTest::newRow("es picked list") << es << "Label1"
                                    << "Combo1" << list << "Cuatro lados"
                                    << "abc" << false;
    QTest::newRow("es list") << es << "Label1"
                             << "Combo2" << list << "Círculo o elipse"
                             << "" << false;
    QTest::newRow("es mark") << es << "Label1"
                             << "Shape3" << int(QAccessible::Client)
                             << "Modo actual: buscar por figuras"
                             << "" << false;
    // Name mode, showing "abc".
    QTest::newRow("es name link, current") << es << "Label2"
                                           << "Label2" << link << "Buscar por nombre, modo actual"
                                           << "" << true;
    QTest::newRow("es name label") << es << "Label2"
                                   << "lbladreca1" << link << "abc, cuatro lados"
                                   << "" << false;
    QTest::newRow("en figure link") << en << "Label1"
                                    << "Label1" << link << "Search by shape, current mode"
                                    << "" << true;
    QTest::newRow("en picked list") << en << "Label1"
                                    << "Combo1" << list << "Four sides"
                                    << "abc" << false;
    QTest::newRow("en name link, current") << en << "Label2"
                                           << "Label2" << link << "Search by name, current mode"
                                           << "" << true;
    QTest::newRow("en figure link, not") << en << "Label2"
                                         << "Label1" << link << "Search by shape"
                                         << "" << false;
    QTest::newRow("en mark") << en << "Label2"
                             << "Shape4" << int(QAccessible::Client)
                             << "Current mode: search by name"
                             << "" << false;
    QTest::newRow("en name label") << en << "Label2"
                                   << "lbladreca3" << link << "abc, three sides"
                                   << "" << false;
}

void TestAccessibility::favouritesWindowControls()
{
    QFETCH(int, lang);
    QFETCH(QString, mode);
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, value);
    QFETCH(bool, checked);
    TestApp app;
    saveSomeNames(app, Lang(lang));
    auto *w = app.open<FavouritesWindow>(WindowKind::Favourites, Lang(lang));
    QTest::mouseClick(w->findChild<QLabel *>(mode), Qt::LeftButton);
    if (mode == "Label1")
        w->findChild<QComboBox *>("Combo1")->setCurrentIndex(0);
    else // the next name, "abc"
        QTest::mouseClick(w->findChild<QWidget *>("Command8"), Qt::LeftButton);
    auto *widget = w->findChild<QWidget *>(control);
    QVERIFY(widget);
    const Heard h = heard(widget);
    QCOMPARE(int(h.role), role);
    QCOMPARE(h.name, name);
    if (role == QAccessible::ComboBox) {
        QCOMPARE(h.value, value);
        // Orca reads a list's value from its text.
        QAccessibleTextInterface *text =
            QAccessible::queryAccessibleInterface(widget)->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), value);
    }
    QCOMPARE(h.checked, checked);
}

void TestAccessibility::compactWindowTags_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("name");
    const int es = int(Lang::Spanish), en = int(Lang::English);
    QTest::newRow("es plain") << es << "lblpAdrecaCom"
                              << "Sin figura";
    QTest::newRow("es 1") << es << "lblpAdreca1"
                          << "Cuatro lados";
    QTest::newRow("es 4") << es << "lblpAdreca4"
                          << "Más de cuatro lados";
    QTest::newRow("en plain") << en << "lblpaAdrecaCom"
                              << "Without figure";
    QTest::newRow("en 2") << en << "lblpaAdreca2"
                          << "Circle or ellipse";
    QTest::newRow("en 3") << en << "lblpaAdreca3"
                          << "Three sides";
}

void TestAccessibility::compactWindowTags()
{
    QFETCH(int, lang);
    QFETCH(QString, tag);
    QFETCH(QString, name);
    TestApp app;
    auto *w = app.open<CompactWindow>(WindowKind::Compact, Lang(lang));
    auto *widget = w->findChild<QWidget *>(tag);
    QVERIFY(widget);
    const Heard h = heard(widget);
    QCOMPARE(h.role, QAccessible::Link);
    QCOMPARE(h.name, name);
}

void TestAccessibility::theAboutWindowIsADialog()
{
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        TestApp app;
        auto *about = app.open<AboutWindow>(WindowKind::About, lang);
        QVERIFY(about);
        const Heard window = heard(about);
        QCOMPARE(window.role, QAccessible::Dialog);
        QCOMPARE(window.name, about->windowTitle());
        // Its texts are there to be read: labels, not pictures.
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(about);
        QStringList texts;
        for (int i = 0; i < iface->childCount(); ++i)
            if (iface->child(i)->role() == QAccessible::StaticText)
                texts << iface->child(i)->text(QAccessible::Name);
        QCOMPARE(texts.size(), 2);
        QVERIFY(texts.first().startsWith(lang == Lang::Spanish ? "Sistema para" : "System for"));
        QCOMPARE(heard(about->findChild<QWidget *>("Picture1")).role, QAccessible::Link);
    }
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
