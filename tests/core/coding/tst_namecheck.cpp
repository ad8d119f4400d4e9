#include "core/coding/characters.h"
#include "core/coding/namecheck.h"
#include "core/texts/checktexts.h"
#include "support/messagetexts.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>

#include <functional>

using namespace tessaron;

namespace {

// A message and the box text at that moment, as "bad:3|ab!" or "hyphen|-a".
QString describe(const NameCheckResult &result, qsizetype index)
{
    const NameCheckMessage &m = result.messages().at(index);
    QString kind;
    switch (m.kind) {
    case NameCheckMessage::Kind::LeadingHyphen:
        kind = QStringLiteral("hyphen");
        break;
    case NameCheckMessage::Kind::BadCharacter:
        kind = QStringLiteral("bad:%1").arg(m.position);
        break;
    case NameCheckMessage::Kind::TooLong:
        kind = QStringLiteral("long");
        break;
    }
    return kind + u'|' + result.boxTextAt(index);
}

QStringList describeAll(const NameCheckResult &result)
{
    QStringList all;
    for (qsizetype i = 0; i < result.messages().size(); ++i)
        all << describe(result, i);
    return all;
}

// The check as the box's change handler runs it, transcribed step by step: every
// correction sets the box text, which runs the handler again inside itself. It
// works on code points so that a surrogate pair is one character, as the real
// check counts it. Quadratic and recursive: an oracle for short texts only.
class LiteralCheck {
public:
    QStringList seen;
    std::u32string box;
    QString labels = QStringLiteral("?");

    void setText(const std::u32string &text)
    {
        if (text == box)
            return; // a box raises its change only when the text really changes
        box = text;
        change();
    }

    void change()
    {
        std::size_t n = box.size();
        if (n > 0) {
            std::size_t i = 0;
            bool scan = true;
            while (scan && i < n) {
                ++i;
                const char32_t c = asciiLower(box[i - 1]);
                if (c == U'-' && i == 1) {
                    show(QStringLiteral("hyphen"));
                    scan = false;
                    setText(n == 1 ? std::u32string() : box.substr(1));
                    n = box.size();
                }
                if (scan && !isAllowedCharacter(c)) {
                    show(QStringLiteral("bad:%1").arg(i));
                    if (n == 1) {
                        setText({});
                        scan = false;
                    } else if (n == 2 && i == 1) {
                        setText(box.substr(1, 1));
                        scan = false;
                    } else if (n == 2 && i == 2) {
                        setText(box.substr(0, 1));
                        scan = false;
                    } else {
                        setText(box.substr(0, i - 1) + box.substr(i));
                    }
                    n = box.size();
                }
            }
        } else {
            labels = QStringLiteral("?");
        }
        if (n > 40) {
            show(QStringLiteral("long"));
            setText(box.substr(0, 40));
        }
        if (n >= 1 && n <= 40)
            labels = asciiLowerText(QString::fromStdU32String(box));
    }

private:
    void show(const QString &kind) { seen << kind + u'|' + QString::fromStdU32String(box); }
};

} // namespace

class TestNameCheck : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void corrections_data();
    void corrections();
    void matchesTheHandlerRunningInsideItself();
    void unicodeIsNeverLowerCasedIntoAName_data();
    void unicodeIsNeverLowerCasedIntoAName();
    void anyTextIsSafe_data();
    void anyTextIsSafe();
    void messageTexts_data();
    void messageTexts();
};

void TestNameCheck::corrections_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("finalText");
    QTest::addColumn<QString>("labels");

    const QString forty = QStringLiteral("abcdefghij").repeated(4);
    QTest::newRow("empty") << "" << QStringList{} << ""
                           << "?";
    QTest::newRow("capital kept in box") << "A" << QStringList{} << "A"
                                         << "a";
    QTest::newRow("hyphen alone") << "-" << QStringList{"hyphen|-"} << ""
                                  << "?";
    QTest::newRow("bad alone") << "!" << QStringList{"bad:1|!"} << ""
                               << "?";
    QTest::newRow("ab!") << "ab!" << QStringList{"bad:3|ab!"} << "ab"
                         << "ab";
    QTest::newRow("a!b!c pasted") << "a!b!c" << QStringList{"bad:2|a!b!c", "bad:3|ab!c"} << "abc"
                                  << "abc";
    QTest::newRow("-!a pasted") << "-!a" << QStringList{"hyphen|-!a", "bad:1|!a"} << "a"
                                << "a";
    QTest::newRow("!-a: hyphen comes first")
        << "!-a" << QStringList{"bad:1|!-a", "hyphen|-a"} << "a"
        << "a";
    QTest::newRow("doubled leading hyphen")
        << "--a" << QStringList{"hyphen|--a", "hyphen|-a"} << "a"
        << "a";
    QTest::newRow("two bad in a row") << "a!!b" << QStringList{"bad:2|a!!b", "bad:2|a!b"} << "ab"
                                      << "ab";
    QTest::newRow("two characters, first bad") << ".a" << QStringList{"bad:1|.a"} << "a"
                                               << "a";
    QTest::newRow("two characters, second bad") << "a." << QStringList{"bad:2|a."} << "a"
                                                << "a";
    QTest::newRow("inner hyphens accepted") << "a--b-" << QStringList{} << "a--b-"
                                            << "a--b-";
    QTest::newRow("forty kept") << forty << QStringList{} << forty << forty;
    QTest::newRow("41st character, caret in the middle")
        << forty.left(20) + u'Z' + forty.mid(20)
        << QStringList{"long|" + forty.left(20) + u'Z' + forty.mid(20)}
        << forty.left(20) + u'Z' + forty.mid(20, 19) << (forty.left(20) + u'z' + forty.mid(20, 19));
    const QString spaced = QStringLiteral("a ") + QString(43, u'b'); // 45 characters
    QTest::newRow("45 pasted, space second")
        << spaced << QStringList{"bad:2|" + spaced, "long|a" + QString(43, u'b')}
        << "a" + QString(39, u'b') << "a" + QString(39, u'b');
    QTest::newRow("too long with a hyphen first")
        << u'-' + forty + u'x' << QStringList{"hyphen|-" + forty + u'x', "long|" + forty + u'x'}
        << forty << forty;
    QTest::newRow("accented letter and n tilde")
        << "añé" << QStringList{"bad:2|añé", "bad:2|aé"} << "a"
        << "a";
    QTest::newRow("surrogate pair is one character")
        << QString::fromUtf8("a\xF0\x9F\x98\x80"
                             "b")
        << QStringList{QString::fromUtf8("bad:2|a\xF0\x9F\x98\x80"
                                         "b")}
        << "ab"
        << "ab";
}

void TestNameCheck::corrections()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(QString, finalText);
    QFETCH(QString, labels);

    const NameCheckResult result = checkName(typed);
    QCOMPARE(describeAll(result), messages);
    QCOMPARE(result.finalText(), finalText);
    QCOMPARE(result.labelCaption(), labels);
    QCOMPARE(result.name(), finalText.toLower());
    QCOMPARE(result.corrected(), !messages.isEmpty());
}

void TestNameCheck::matchesTheHandlerRunningInsideItself()
{
    // Random texts over an alphabet that provokes every correction, compared with
    // the literal re-entrant handler: messages, box texts, final text, labels.
    const QList<char32_t> alphabet{U'a', U'B', U'7',      U'-',         U'-',
                                   U'!', U' ', U'\u00e9', U'\U0001F600'};
    QRandomGenerator random(20261210);
    for (int round = 0; round < 4000; ++round) {
        std::u32string text;
        const int length = random.bounded(round % 10 == 0 ? 50 : 12);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        const QString typed = QString::fromStdU32String(text);

        LiteralCheck literal;
        literal.setText(text);
        const NameCheckResult result = checkName(typed);
        QCOMPARE(describeAll(result), literal.seen);
        QCOMPARE(result.finalText(), QString::fromStdU32String(literal.box));
        QCOMPARE(result.labelCaption(), literal.labels);
    }
}

void TestNameCheck::unicodeIsNeverLowerCasedIntoAName_data()
{
    QTest::addColumn<QString>("character");
    QTest::newRow("Kelvin sign") << QStringLiteral("\u212A");
    QTest::newRow("dotted capital I") << QStringLiteral("\u0130");
    QTest::newRow("fullwidth A") << QStringLiteral("\uFF21");
    QTest::newRow("long s") << QStringLiteral("\u017F");
    QTest::newRow("Cyrillic a") << QStringLiteral("\u0430");
}

void TestNameCheck::unicodeIsNeverLowerCasedIntoAName()
{
    QFETCH(QString, character);
    const NameCheckResult result = checkName(QStringLiteral("ab") + character);
    QCOMPARE(describeAll(result), QStringList{"bad:3|ab" + character});
    QCOMPARE(result.finalText(), QStringLiteral("ab"));
}

void TestNameCheck::anyTextIsSafe_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("finalText");
    QTest::addColumn<int>("messageCount");

    QTest::newRow("NUL") << QString(QChar(u'\0')) + u'a' << "a" << 1;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD800)) + u'a' << "a" << 1;
    QTest::newRow("lone low surrogate at end") << QStringLiteral("a") + QChar(0xDC00) << "a" << 1;
    QTest::newRow("combining mark") << QStringLiteral("e\u0301") << "e" << 1;
    QTest::newRow("right-to-left text") << QStringLiteral("\u202Eab\u05D0") << "ab" << 2;
    QTest::newRow("megabyte of letters") << QString(1 << 20, u'a') << QString(40, u'a') << 1;
    QTest::newRow("megabyte of bad characters") << QString(1 << 20, u'!') << "" << (1 << 20);
    QTest::newRow("megabyte of hyphens") << QString(1 << 20, u'-') << "" << (1 << 20);
}

void TestNameCheck::anyTextIsSafe()
{
    QFETCH(QString, text);
    QFETCH(QString, finalText);
    QFETCH(int, messageCount);

    QElapsedTimer timer;
    timer.start();
    const NameCheckResult result = checkName(text);
    QVERIFY2(timer.elapsed() < 2000, "the check must stay linear");
    QCOMPARE(result.finalText(), finalText);
    QCOMPARE(result.messages().size(), messageCount);
    // Every box text along the way, checked again, ends where the whole check ends:
    // the last one is the hardest to get right, with every earlier removal in it.
    if (messageCount > 0) {
        const QString last = result.boxTextAt(result.messages().size() - 1);
        QCOMPARE(checkName(last).finalText(), finalText);
        QCOMPARE(checkName(last).messages().size(), 1);
    }
}

void TestNameCheck::messageTexts_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<int>("window");
    QTest::addColumn<QStringList>("expected");
    const int main = int(CheckWindow::Main);
    const int compact = int(CheckWindow::Compact);
    for (Lang lang : {Lang::Spanish, Lang::English}) {
        const ExpectedMessages &m = expectedMessages(lang);
        const char *tag = lang == Lang::Spanish ? "Spanish" : "English";
        QTest::addRow("%s main", tag)
            << int(lang) << main << QStringList{m.leadingHyphen, m.badCharacter(3), m.tooLong};
        QTest::addRow("%s compact", tag)
            << int(lang) << compact
            << QStringList{m.leadingHyphen, m.badCharacter(3), m.tooLongCompact};
    }
}

void TestNameCheck::messageTexts()
{
    QFETCH(int, lang);
    QFETCH(int, window);
    QFETCH(QStringList, expected);
    using Kind = NameCheckMessage::Kind;
    const QList<NameCheckMessage> messages{
        {Kind::LeadingHyphen, 0, 0}, {Kind::BadCharacter, 3, 0}, {Kind::TooLong, 0, 0}};
    QStringList texts;
    for (const NameCheckMessage &m : messages)
        texts << checkMessageText(Lang(lang), m, CheckWindow(window));
    QCOMPARE(texts, expected);
    // Byte for byte: the Spanish texts are UTF-8 encoded accented letters, not look-alikes.
    if (Lang(lang) == Lang::Spanish)
        QCOMPARE(texts.at(1).toUtf8(), QByteArray("El car\xc3\xa1"
                                                  "cter  3 \xc3\xa9s erroneo, se borrar\xc3\xa1"));
}

QTEST_GUILESS_MAIN(TestNameCheck)
#include "tst_namecheck.moc"
