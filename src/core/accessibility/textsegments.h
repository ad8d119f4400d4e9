#pragma once

#include <QString>

namespace tessaron {

// The pieces of a one-line text that assistive technology reads by: characters
// (as the user sees them, so an accented letter made of two code points is one),
// words and the gaps or punctuation between them, sentences, and the line.
//
// Every function answers for every offset, in range or not, and never loops: a
// screen reader asks at offsets such as the text's length and past it.
enum class TextUnit { Character, Word, Sentence, Line };

struct TextSpan {
    int start = -1;
    int end = -1;

    [[nodiscard]] bool isEmpty() const { return start >= end; }
    friend bool operator==(const TextSpan &, const TextSpan &) = default;
};

// The piece that holds `offset`. At the text's end, a word, sentence or line is
// the last one (the word the cursor has just passed), a character is none.
// Out of range, or on an empty text: {-1, -1}.
[[nodiscard]] TextSpan textSpanAt(const QString &text, int offset, TextUnit unit);
// The piece before, or after, the one that holds `offset`; where there is none,
// an empty span at the text's start, or end.
[[nodiscard]] TextSpan textSpanBefore(const QString &text, int offset, TextUnit unit);
[[nodiscard]] TextSpan textSpanAfter(const QString &text, int offset, TextUnit unit);

} // namespace tessaron
