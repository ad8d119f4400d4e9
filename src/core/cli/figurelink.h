#pragma once

#include <string_view>

namespace tessaron {

// A link of a bookmarks file as the import sees it: a figure address gives the
// row it stands for, which must still pass the row rule; anything else is some
// other page the user keeps.
struct FigureLink {
    // False for a link that does not even look like a figure address.
    bool looksLikeFigure = false;
    // The row the address stands for, as views into the link's address: the
    // name and the family letter read from it, and the address itself.
    std::string_view name;
    std::string_view family;
    std::string_view address;
};

// Reads `href` as "http://www.PREFIX-NAME-CODE.com", the family being the code's
// first letter. A link looks like a figure address when it begins with
// "http://www." or "https://www." and the site prefix and a hyphen, in any
// letter case, so that a near miss (capitals, a foreign family, a wrong code, a
// secure scheme) is told to the user instead of passing for some other page. A
// browser writes the address of a site's front page with a "/" after it; that
// one "/" is not part of the address.
[[nodiscard]] FigureLink readFigureLink(std::string_view href);

} // namespace tessaron
