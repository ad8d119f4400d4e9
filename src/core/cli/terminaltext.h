#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tessaron {

// The longest text echoed back to a terminal, in characters.
inline constexpr qsizetype kEchoLimit = 60;

// Decodes a command-line word or an input line as the bytes it is: valid UTF-8 as
// its characters, and every byte that is not part of valid UTF-8 as U+DC80 plus
// the byte, so that it can be shown as the byte it was.
[[nodiscard]] QString decodeBytes(QByteArrayView bytes);

// The bytes decodeBytes() read `text` from: a path given on the command line is
// opened as the bytes it was, whatever they are.
[[nodiscard]] QByteArray encodeBytes(const QString &text);

// True for the character decodeBytes() gives an invalid byte.
[[nodiscard]] constexpr bool isEscapedByte(char32_t c)
{
    return c >= 0xDC80 && c <= 0xDCFF;
}

// `text` as it is safe to show on a terminal, on one line: a backslash, a control
// or format character, an invalid byte or a lone surrogate is written as an
// escape (\\, \n, \t, \r, \x1b, \xff, \u{202e}), and a text longer than `limit`
// characters is cut, with "..." after it.
[[nodiscard]] QString printable(const QString &text, qsizetype limit = kEchoLimit);

} // namespace tessaron
