#include "core/coding/addresses.h"
#include "core/coding/characters.h"
#include "core/coding/figurecoding.h"

#include <QTest>

using namespace tessaron;

class TestFigureCoding : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void characterTableRoundTrips();
    void valuesOutsideTheTable();
    void codes_data();
    void codes();
    void everyCodeIsThreeCharacters(); // and the one-pass codes agree
    void addresses();
};

void TestFigureCoding::characterTableRoundTrips()
{
    // The groups of the table: odd digits, even digits, consonants, vowels, hyphen.
    const QString expected = QStringLiteral("97531"
                                            "86420"
                                            "hklmnpqrtybcdfgjsvwxz"
                                            "uoiea"
                                            "-");
    QCOMPARE(expected.size(), 37);
    for (int value = 90; value <= 126; ++value) {
        const QString c = CaracterDeValor(value);
        QCOMPARE(c, QString(expected.at(value - 90)));
        QCOMPARE(ValorCaracter(c), value);
        QVERIFY(ComprovaCaracter(c));
    }
}

void TestFigureCoding::valuesOutsideTheTable()
{
    for (const QString &text : {QStringLiteral("A"), QStringLiteral("?"), QString(),
                                QStringLiteral("ab"), QStringLiteral("ñ"), QStringLiteral(" ")})
        QCOMPARE(ValorCaracter(text), 0);
    for (int value : {-1, 0, 89, 127, 1000, 32767})
        QVERIFY(CaracterDeValor(value).isEmpty());
    QVERIFY(!ComprovaCaracter(u"A"));
    QVERIFY(!ComprovaCaracter(u"\u212A")); // Kelvin sign: lower-cases to 'k' in Unicode
    QVERIFY(!ComprovaCaracter(u""));
    QVERIFY(!ComprovaCaracter(u"ab"));
}

void TestFigureCoding::codes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("abc") << "abc" << QStringList{"rmt", "cto", "tlx", "piq"};
    QTest::newRow("a") << "a" << QStringList{"rku", "cue", "tua", "pnh"};
    QTest::newRow("ab") << "ab" << QStringList{"rlk", "cki", "tux", "pnq"};
    QTest::newRow("digits") << "0123456789" << QStringList{"rby", "cyj", "tvr", "ptw"};
    QTest::newRow("empty") << "" << QStringList{"rhh", "cha", "tha", "pah"};
    QTest::newRow("question mark") << "?" << QStringList{"rkh", "che", "tha", "pah"};
    QTest::newRow("26 x") << QString(26, u'x') << QStringList{"r-h", "ch0", "tfd", "pdf"};
    QTest::newRow("27 a") << QString(27, u'a') << QStringList{"rhu", "cua", "ttd", "pvf"};
    QTest::newRow("capitals count 0") << "ABC" << QStringList{"rmh", "cho", "tha", "pah"};
}

void TestFigureCoding::codes()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    QCOMPARE((QStringList{CodificaR(name), CodificaC(name), CodificaT(name), CodificaP(name)}),
             expected);
    QStringList byFamily;
    for (Family family : kFamilies)
        byFamily << figureCode(family, name);
    QCOMPARE(byFamily, expected);
    // The one-pass codes of the command line agree, a byte standing for a character.
    QStringList fromBytes;
    const QByteArray bytes = name.toLatin1();
    for (const CodeChars &code : figureCodesOfAscii({bytes.constData(), size_t(bytes.size())}))
        fromBytes << QString::fromLatin1(code.data(), qsizetype(code.size()));
    QCOMPARE(fromBytes, expected);
}

void TestFigureCoding::everyCodeIsThreeCharacters()
{
    // Lengths 0..80 over a rotating alphabet reach every length residue and many sums.
    const QString alphabet = QStringLiteral("abcdefghijklmnopqrstuvwxyz0123456789-");
    for (int length = 0; length <= 80; ++length) {
        QString name;
        for (int i = 0; i < length; ++i)
            name += alphabet.at((i * 7 + length) % alphabet.size());
        const QByteArray bytes = name.toLatin1();
        const auto fromBytes = figureCodesOfAscii({bytes.constData(), size_t(bytes.size())});
        for (Family family : kFamilies) {
            const QString code = figureCode(family, name);
            QCOMPARE(code.size(), 3);
            QCOMPARE(code.left(1), familyLetter(family));
            const CodeChars &same = fromBytes[static_cast<std::size_t>(family)];
            QCOMPARE(QString::fromLatin1(same.data(), 3), code);
        }
    }
}

void TestFigureCoding::addresses()
{
    QCOMPARE(figureAddress("abc", "rmt"), QStringLiteral("http://www.tessaron-abc-rmt.com"));
    QCOMPARE(figureAddress("abc", CodificaT("abc")),
             QStringLiteral("http://www.tessaron-abc-tlx.com"));
    QCOMPARE(registerAddress("abc", "cto"), QStringLiteral("www.tessaron-abc-cto.com"));
    QCOMPARE(plainAddress("abc"), QStringLiteral("http://www.abc.com"));
    QCOMPARE(registerAddress("?", CodificaR("?")), QStringLiteral("www.tessaron-?-rkh.com"));
}

QTEST_GUILESS_MAIN(TestFigureCoding)
#include "tst_figurecoding.moc"
