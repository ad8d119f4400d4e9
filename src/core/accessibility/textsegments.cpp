#include "core/accessibility/textsegments.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <vector>

namespace tessaron {

namespace {

// Every place where a piece begins or ends, 0 and the length included, in order.
// The finder is only ever stepped forward to its end, so this always ends.
std::vector<int> boundaries(const QString &text, TextUnit unit)
{
    std::vector<int> cuts{0};
    if (text.isEmpty())
        return cuts;
    if (unit == TextUnit::Line) {
        cuts.push_back(int(text.size()));
        return cuts;
    }
    const auto type = unit == TextUnit::Character ? QTextBoundaryFinder::Grapheme
                      : unit == TextUnit::Word    ? QTextBoundaryFinder::Word
                                                  : QTextBoundaryFinder::Sentence;
    QTextBoundaryFinder finder(type, text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        // Between two marks of punctuation a word finder stops without either
        // beginning or ending a word: such marks read as one piece.
        const bool cut = unit != TextUnit::Word ||
                         (finder.boundaryReasons() &
                          (QTextBoundaryFinder::StartOfItem | QTextBoundaryFinder::EndOfItem));
        if (cut || at == text.size())
            cuts.push_back(int(at));
        if (at >= text.size())
            break;
    }
    if (cuts.back() != text.size())
        cuts.push_back(int(text.size()));
    return cuts;
}

// The index of the piece [cuts[i], cuts[i + 1]) that holds offset; at the
// length, the last piece, or one past it for characters.
std::ptrdiff_t pieceIndex(const std::vector<int> &cuts, int offset, TextUnit unit)
{
    const auto pieces = std::ptrdiff_t(cuts.size()) - 1;
    if (offset == cuts.back())
        return unit == TextUnit::Character ? pieces : pieces - 1;
    const auto after = std::upper_bound(cuts.begin(), cuts.end(), offset);
    return std::distance(cuts.begin(), after) - 1;
}

bool inRange(const QString &text, int offset)
{
    return !text.isEmpty() && offset >= 0 && offset <= text.size();
}

} // namespace

TextSpan textSpanAt(const QString &text, int offset, TextUnit unit)
{
    if (!inRange(text, offset))
        return {};
    const std::vector<int> cuts = boundaries(text, unit);
    const auto i = pieceIndex(cuts, offset, unit);
    if (i + 1 >= std::ptrdiff_t(cuts.size()))
        return {offset, offset};
    return {cuts[std::size_t(i)], cuts[std::size_t(i) + 1]};
}

TextSpan textSpanBefore(const QString &text, int offset, TextUnit unit)
{
    if (!inRange(text, offset))
        return {0, 0};
    const std::vector<int> cuts = boundaries(text, unit);
    const auto i = pieceIndex(cuts, offset, unit);
    if (i <= 0)
        return {0, 0};
    return {cuts[std::size_t(i) - 1], cuts[std::size_t(i)]};
}

TextSpan textSpanAfter(const QString &text, int offset, TextUnit unit)
{
    const int length = int(text.size());
    if (!inRange(text, offset))
        return {length, length};
    const std::vector<int> cuts = boundaries(text, unit);
    const auto i = pieceIndex(cuts, offset, unit);
    if (i + 2 >= std::ptrdiff_t(cuts.size()))
        return {length, length};
    return {cuts[std::size_t(i) + 1], cuts[std::size_t(i) + 2]};
}

} // namespace tessaron
