#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string_view>

namespace tessaron {

// The four figure families, in the order of their labels, buttons and lists.
enum class Family { R, C, T, P };
inline constexpr std::array<Family, 4> kFamilies{Family::R, Family::C, Family::T, Family::P};

// What the program says of a family, in one table: its letter (in codes, stored
// rows and the command line), its number (1 to 4, the order of every window's
// labels, tags, lists and buttons) and its words in each language, in a sentence's
// letter case ("four sides"; the bookmarks export titles its folders with the
// English ones).
struct FamilyFacts {
    char letter;
    int number;
    std::string_view spanishWords; // UTF-8
    std::string_view englishWords;
};
inline constexpr std::array<FamilyFacts, 4> kFamilyTable{{
    {'r', 1, "cuatro lados", "four sides"},
    {'c', 2, "c\xc3\xadrculo o elipse", "circle or ellipse"},
    {'t', 3, "tres lados", "three sides"},
    {'p', 4, "m\xc3\xa1s de cuatro lados", "more than four sides"},
}};

[[nodiscard]] constexpr const FamilyFacts &facts(Family family)
{
    return kFamilyTable[static_cast<std::size_t>(family)];
}

// The family of a letter; nothing for any other text than r, c, t or p.
[[nodiscard]] constexpr std::optional<Family> familyOfLetter(std::string_view letter)
{
    for (Family family : kFamilies) {
        if (letter.size() == 1 && letter.front() == facts(family).letter)
            return family;
    }
    return std::nullopt;
}
[[nodiscard]] std::optional<Family> familyOfLetter(const QString &letter);

// "r", "c", "t" or "p".
[[nodiscard]] QString familyLetter(Family family);

} // namespace tessaron
