#pragma once

#include <QString>
#include <QStringView>

namespace tessaron {

// The 37 characters a domain name may hold, in the order of their values 90..126.
inline constexpr char16_t kCharacterTable[] = u"9753186420hklmnpqrtybcdfgjsvwxzuoiea-";
inline constexpr int kFirstValue = 90;
inline constexpr int kLastValue = 126;

// Lower-cases A-Z only. Unicode case mapping is deliberately not used: it turns
// characters such as the Kelvin sign U+212A into a plain 'k', which must not pass.
[[nodiscard]] constexpr char32_t asciiLower(char32_t c)
{
    return (c >= U'A' && c <= U'Z') ? c + (U'a' - U'A') : c;
}

[[nodiscard]] constexpr bool isAllowedCharacter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'0' && c <= U'9') || c == U'-';
}

// True when the one-character text is one of the 37 allowed characters. It does
// not convert case: "A" is false.
[[nodiscard]] bool ComprovaCaracter(QStringView character);

// The value 90..126 of one allowed character; 0 for anything else (a capital,
// another character, an empty or longer text).
[[nodiscard]] int ValorCaracter(QStringView character);
[[nodiscard]] int ValorCaracter(QChar character);

// The character of a value 90..126; the empty text for any other number.
[[nodiscard]] QString CaracterDeValor(int value);

} // namespace tessaron
