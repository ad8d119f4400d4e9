#include "core/coding/family.h"

namespace tessaron {

std::optional<Family> familyOfLetter(const QString &letter)
{
    if (letter.size() != 1 || letter.front().unicode() > 0x7f)
        return std::nullopt;
    const char ascii = static_cast<char>(letter.front().unicode());
    return familyOfLetter(std::string_view(&ascii, 1));
}

QString familyLetter(Family family)
{
    return QString(QLatin1Char(facts(family).letter));
}

} // namespace tessaron
