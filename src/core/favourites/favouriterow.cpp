#include "core/favourites/favouriterow.h"

#include "core/coding/addresses.h"
#include "core/coding/characters.h"
#include "core/coding/family.h"
#include "core/coding/figurecoding.h"
#include "core/coding/namecheck.h"

namespace tessaron {

namespace {

// Consumes `piece` from the front of `text`; false when `text` does not begin with it.
bool take(std::string_view &text, std::string_view piece)
{
    if (text.substr(0, piece.size()) != piece)
        return false;
    text.remove_prefix(piece.size());
    return true;
}

} // namespace

RowFault rowFault(std::string_view name, std::string_view family, std::string_view address)
{
    if (!isKeptName(name, Capitals::Refused))
        return RowFault::Name;
    const std::optional<Family> known = familyOfLetter(family);
    if (!known)
        return RowFault::Family;
    const CodeChars code = figureCodesOfAscii(name)[static_cast<std::size_t>(*known)];
    // "http://www.tessaron-NAME-CODE.com", compared piece by piece.
    const bool formed = take(address, "http://www.") &&
                        take(address, {kSitePrefix.data(), std::size_t(kSitePrefix.size())}) &&
                        take(address, "-") && take(address, name) && take(address, "-") &&
                        take(address, {code.data(), code.size()}) && address == ".com";
    return formed ? RowFault::None : RowFault::Address;
}

RowFault rowFault(const QString &name, const QString &family, const QString &address)
{
    // A name or family with any character beyond ASCII cannot be well-formed; the
    // UTF-8 forms compare the same as the texts otherwise.
    const QByteArray n = name.toUtf8();
    const QByteArray f = family.toUtf8();
    const QByteArray a = address.toUtf8();
    return rowFault(std::string_view(n.constData(), std::size_t(n.size())),
                    std::string_view(f.constData(), std::size_t(f.size())),
                    std::string_view(a.constData(), std::size_t(a.size())));
}

QString rowFaultText(RowFault fault)
{
    switch (fault) {
    case RowFault::None:
        break;
    case RowFault::Name:
        return QStringLiteral("the name is not one of 1 to 40 small letters, digits and hyphens");
    case RowFault::Family:
        return QStringLiteral("the family is not r, c, t or p");
    case RowFault::Address:
        return QStringLiteral("the address is not the one formed from the name and the family");
    }
    return {};
}

} // namespace tessaron
