#include "core/cli/figurelink.h"

#include "core/coding/addresses.h"

namespace tessaron {

namespace {

// Consumes `piece` from the front of `text`, letter case ignored; false when
// `text` does not begin with it.
bool takeIgnoringCase(std::string_view &text, std::string_view piece)
{
    if (text.size() < piece.size())
        return false;
    for (std::size_t i = 0; i < piece.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(text[i]) != lower(piece[i]))
            return false;
    }
    text.remove_prefix(piece.size());
    return true;
}

bool endsWithIgnoringCase(std::string_view text, std::string_view end)
{
    std::string_view tail = text.substr(text.size() >= end.size() ? text.size() - end.size() : 0);
    return tail.size() == end.size() && takeIgnoringCase(tail, end);
}

} // namespace

FigureLink readFigureLink(std::string_view href)
{
    FigureLink link;
    std::string_view rest = href;
    const bool scheme = takeIgnoringCase(rest, "http://") || takeIgnoringCase(rest, "https://");
    if (!scheme || !takeIgnoringCase(rest, "www.") ||
        !takeIgnoringCase(rest, {kSitePrefix.data(), std::size_t(kSitePrefix.size())}) ||
        !takeIgnoringCase(rest, "-"))
        return link;
    link.looksLikeFigure = true;
    link.address = href;
    if (endsWithIgnoringCase(rest, ".com/")) {
        rest.remove_suffix(1);
        link.address.remove_suffix(1);
    }
    // "NAME-CODE.com": the code is the three characters before ".com".
    if (endsWithIgnoringCase(rest, ".com"))
        rest.remove_suffix(4);
    if (rest.size() >= 5 && rest[rest.size() - 4] == '-') {
        link.family = rest.substr(rest.size() - 3, 1);
        link.name = rest.substr(0, rest.size() - 4);
    } else {
        link.name = rest; // no code at all: the row rule says what is wrong
    }
    return link;
}

} // namespace tessaron
