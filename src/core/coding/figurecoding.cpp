#include "core/coding/figurecoding.h"

#include "core/coding/characters.h"

namespace tessaron {

namespace {

// Length and value sums of a name. 64-bit, so no input can overflow them.
struct NameSums {
    qint64 length = 0;
    qint64 all = 0;
    qint64 odd = 0;  // positions 1, 3, 5, ...
    qint64 even = 0; // positions 2, 4, 6, ...
};

NameSums sumsOf(const QString &name)
{
    NameSums sums;
    sums.length = name.size();
    for (qsizetype i = 0; i < name.size(); ++i) {
        const int value = ValorCaracter(name.at(i));
        sums.all += value;
        (i % 2 == 0 ? sums.odd : sums.even) += value;
    }
    return sums;
}

QString character(qint64 value)
{
    return CaracterDeValor(static_cast<int>(value));
}

// The value of every byte, as ValorCaracter gives it for that character: 0 for a
// byte that is not one of the 37.
constexpr std::array<int, 256> kByteValues = [] {
    std::array<int, 256> values{};
    for (int i = 0; kCharacterTable[i] != 0; ++i)
        values[static_cast<unsigned char>(kCharacterTable[i])] = kFirstValue + i;
    return values;
}();

// The character of a value that the codes yield (always 90..126).
char byteOfValue(qint64 value)
{
    return static_cast<char>(kCharacterTable[value - kFirstValue]);
}

} // namespace

QString familyLetter(Family family)
{
    static const std::array<QString, 4> letters{QStringLiteral("r"), QStringLiteral("c"),
                                                QStringLiteral("t"), QStringLiteral("p")};
    return letters[static_cast<std::size_t>(family)];
}

QString CodificaR(const QString &name)
{
    const NameSums s = sumsOf(name);
    return QStringLiteral("r") + character(100 + s.length % 27) + character(100 + s.all % 26);
}

QString CodificaC(const QString &name)
{
    const NameSums s = sumsOf(name);
    return QStringLiteral("c") + character(100 + s.all % 26) + character(125 - s.length % 27);
}

QString CodificaT(const QString &name)
{
    const NameSums s = sumsOf(name);
    return QStringLiteral("t") + character(100 + s.odd % 26) + character(125 - s.even % 26);
}

QString CodificaP(const QString &name)
{
    const NameSums s = sumsOf(name);
    return QStringLiteral("p") + character(125 - s.odd % 26) + character(100 + s.even % 26);
}

std::array<CodeChars, 4> figureCodesOfAscii(std::string_view name)
{
    NameSums s;
    s.length = static_cast<qint64>(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const int value = kByteValues[static_cast<unsigned char>(name[i])];
        s.all += value;
        (i % 2 == 0 ? s.odd : s.even) += value;
    }
    return {{{'r', byteOfValue(100 + s.length % 27), byteOfValue(100 + s.all % 26)},
             {'c', byteOfValue(100 + s.all % 26), byteOfValue(125 - s.length % 27)},
             {'t', byteOfValue(100 + s.odd % 26), byteOfValue(125 - s.even % 26)},
             {'p', byteOfValue(125 - s.odd % 26), byteOfValue(100 + s.even % 26)}}};
}

QString figureCode(Family family, const QString &name)
{
    switch (family) {
    case Family::R:
        return CodificaR(name);
    case Family::C:
        return CodificaC(name);
    case Family::T:
        return CodificaT(name);
    case Family::P:
        return CodificaP(name);
    }
    return {};
}

} // namespace tessaron
