#include "gui/widgets/clickablelabel.h"
#include "gui/widgets/fonts.h"

#include <QAccessible>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace tessaron;

class TestClickableLabel : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keys_data();
    void keys();
    void aClickLeavesTheFocusAlone();
    void looksLikeALabelUntilItHasTheFocus();
    void screenReadersSeeALinkThatCanBePressed();
    void aLabelThatHoldsNoName_data();
    void aLabelThatHoldsNoName();
};

void TestClickableLabel::keys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("clicks");
    QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << false << 1;
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier) << false << 1;
    QTest::newRow("Space held") << int(Qt::Key_Space) << int(Qt::NoModifier) << true << 0;
    // Keys with Ctrl or Alt belong to shortcuts, not to the label.
    QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier) << false << 0;
    QTest::newRow("Alt+Space") << int(Qt::Key_Space) << int(Qt::AltModifier) << false << 0;
    QTest::newRow("a letter") << int(Qt::Key_A) << int(Qt::NoModifier) << false << 0;
}

void TestClickableLabel::keys()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, autoRepeat);
    QFETCH(int, clicks);
    ClickableLabel label(QStringLiteral("abc"));
    QSignalSpy clicked(&label, &ClickableLabel::clicked);
    QKeyEvent press(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), QString(), autoRepeat);
    QApplication::sendEvent(&label, &press);
    QCOMPARE(clicked.size(), clicks);
    // A key the label acts on goes no further: a window's default button never sees it.
    QCOMPARE(press.isAccepted(), clicks == 1 || autoRepeat);
}

void TestClickableLabel::aClickLeavesTheFocusAlone()
{
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *label = new ClickableLabel(QStringLiteral("abc"), &window);
    label->setGeometry(0, 40, 100, 20);
    window.show();
    QApplication::setActiveWindow(&window);
    box->setFocus();
    QSignalSpy clicked(label, &ClickableLabel::clicked);
    QTest::mouseClick(label, Qt::LeftButton);
    QCOMPARE(clicked.size(), 1);
    QCOMPARE(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), label);
}

void TestClickableLabel::looksLikeALabelUntilItHasTheFocus()
{
    // In the face the windows use, not the machine's default. Qt 6.4 places a label's
    // text a pixel lower once the label takes the focus by Tab, in some faces
    // (Liberation Sans, Nimbus Sans) and not in others (DejaVu Sans): the plain label
    // compared with takes it by Tab too, so only what this label draws is compared.
    installFontSubstitutions();
    QWidget window;
    window.setFont(designedFont({8.25}));
    auto *plain = new QLabel(QStringLiteral("abc"), &window);
    plain->setTextFormat(Qt::PlainText);
    plain->setFocusPolicy(Qt::TabFocus);
    auto *acting = new ClickableLabel(QStringLiteral("abc"), &window);
    for (QLabel *label : {plain, static_cast<QLabel *>(acting)})
        label->resize(80, 20);
    acting->move(0, 30);
    window.show();
    QApplication::setActiveWindow(&window);
    acting->clearFocus(); // a window gives its first control the focus
    QVERIFY(!acting->hasFocus());
    QCOMPARE(acting->grab().toImage(), plain->grab().toImage());
    acting->setFocus();
    QVERIFY(acting->hasFocus());
    QVERIFY(acting->grab().toImage() != plain->grab().toImage());
}

void TestClickableLabel::screenReadersSeeALinkThatCanBePressed()
{
    QWidget window;
    auto *label = new ClickableLabel(QStringLiteral("abc"), &window);
    label->setAccessibleDescription(QStringLiteral("opens abc"));
    window.show();
    QSignalSpy clicked(label, &ClickableLabel::clicked);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
    QVERIFY(iface);
    QCOMPARE(iface->role(), QAccessible::Link);
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("abc"));
    QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("opens abc"));
    QVERIFY(iface->state().focusable);
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
    // The name follows the text shown, and its context follows the text.
    label->setText(QStringLiteral("xyz"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("xyz"));
    label->setSpokenContext(QStringLiteral("four sides"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("xyz, four sides"));
    label->setText(QString());
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("four sides"));
    label->setAccessibleName(QStringLiteral("own name"));
    QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("own name"));
    // One of a choice is heard as checked while it is the current one.
    QVERIFY(!iface->state().checkable);
    label->setCurrent(true);
    QVERIFY(iface->state().checkable && iface->state().checked);
    label->setCurrent(false);
    QVERIFY(iface->state().checkable && !iface->state().checked);
}

void TestClickableLabel::aLabelThatHoldsNoName_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("noName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::addColumn<bool>("acts");
    const int link = QAccessible::Link, label = QAccessible::StaticText;
    QTest::newRow("a name") << "abc"
                            << "sin nombre"
                            << "abc, cuatro lados" << link << true;
    QTest::newRow("no name, es") << "?"
                                 << "sin nombre"
                                 << "sin nombre, cuatro lados" << label << false;
    QTest::newRow("no name, en") << "?"
                                 << "no name"
                                 << "no name, cuatro lados" << label << false;
    // A name that merely contains the mark is a name.
    QTest::newRow("a question") << "?a"
                                << "sin nombre"
                                << "?a, cuatro lados" << link << true;
    // A label not told what "?" means shows it as any text.
    QTest::newRow("untold") << "?"
                            << ""
                            << "?, cuatro lados" << link << true;
}

void TestClickableLabel::aLabelThatHoldsNoName()
{
    QFETCH(QString, text);
    QFETCH(QString, noName);
    QFETCH(QString, name);
    QFETCH(int, role);
    QFETCH(bool, acts);
    QWidget window;
    auto *label = new ClickableLabel(text, &window);
    label->setGeometry(0, 0, 100, 20);
    label->setAccessibleDescription(QStringLiteral("Abre la dirección de figura de cuatro lados"));
    label->setSpokenContext(QStringLiteral("cuatro lados"), noName);
    window.show();
    QSignalSpy clicked(label, &ClickableLabel::clicked);

    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(label);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(int(iface->role()), role);
    // What it would open is said only where it opens something.
    QCOMPARE(iface->text(QAccessible::Description).isEmpty(), !acts);
    QAccessibleActionInterface *actions = iface->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()), acts);

    // Every way of activating it: a click, the keys, a screen reader's press.
    QTest::mouseClick(label, Qt::LeftButton);
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space})
        QTest::keyClick(label, key);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), acts ? 5 : 0);
}

QTEST_MAIN(TestClickableLabel)
#include "tst_clickablelabel.moc"
