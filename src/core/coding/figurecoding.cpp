#include "core/coding/figurecoding.h"

#include "core/coding/characters.h"

namespace tessaron {

namespace {

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

// The four codes of a name held in any code units: sums of its length and of its
// character values (all, odd positions 1, 3, ..., even positions 2, 4, ...), then
// the one formula. 64-bit sums, so no input can overflow them.
template <typename Unit> std::array<CodeChars, 4> codesOf(std::basic_string_view<Unit> name)
{
    const auto length = static_cast<qint64>(name.size());
    qint64 all = 0;
    qint64 odd = 0;
    qint64 even = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto unit = static_cast<std::make_unsigned_t<Unit>>(name[i]);
        const int value = unit < kByteValues.size() ? kByteValues[unit] : 0;
        all += value;
        (i % 2 == 0 ? odd : even) += value;
    }
    return {{{facts(Family::R).letter, byteOfValue(100 + length % 27), byteOfValue(100 + all % 26)},
             {facts(Family::C).letter, byteOfValue(100 + all % 26), byteOfValue(125 - length % 27)},
             {facts(Family::T).letter, byteOfValue(100 + odd % 26), byteOfValue(125 - even % 26)},
             {facts(Family::P).letter, byteOfValue(125 - odd % 26), byteOfValue(100 + even % 26)}}};
}

QString codeOf(Family family, const QString &name)
{
    const CodeChars code = figureCodes(name)[static_cast<std::size_t>(family)];
    return QString::fromLatin1(code.data(), qsizetype(code.size()));
}

} // namespace

std::array<CodeChars, 4> figureCodes(QStringView name)
{
    return codesOf(std::u16string_view(name.utf16(), std::size_t(name.size())));
}

std::array<CodeChars, 4> figureCodesOfAscii(std::string_view name)
{
    return codesOf(name);
}

QString CodificaR(const QString &name)
{
    return codeOf(Family::R, name);
}

QString CodificaC(const QString &name)
{
    return codeOf(Family::C, name);
}

QString CodificaT(const QString &name)
{
    return codeOf(Family::T, name);
}

QString CodificaP(const QString &name)
{
    return codeOf(Family::P, name);
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
