#include "core/coding/characters.h"

#include <array>

namespace tessaron {

namespace {

constexpr int kTableSize = kLastValue - kFirstValue + 1;
static_assert(sizeof(kCharacterTable) / sizeof(char16_t) == kTableSize + 1);

// Value of each ASCII code, built once at compile time from the table.
constexpr std::array<int, 128> makeValues()
{
    std::array<int, 128> values{};
    for (int i = 0; i < kTableSize; ++i)
        values[static_cast<std::size_t>(kCharacterTable[i])] = kFirstValue + i;
    return values;
}

constexpr std::array<int, 128> kValues = makeValues();

} // namespace

bool ComprovaCaracter(QStringView character)
{
    return character.size() == 1 && isAllowedCharacter(character.front().unicode());
}

int ValorCaracter(QChar character)
{
    const char16_t code = character.unicode();
    return code < kValues.size() ? kValues[code] : 0;
}

int ValorCaracter(QStringView character)
{
    return character.size() == 1 ? ValorCaracter(character.front()) : 0;
}

QString CaracterDeValor(int value)
{
    if (value < kFirstValue || value > kLastValue)
        return {};
    return QString(QChar(kCharacterTable[value - kFirstValue]));
}

} // namespace tessaron
