#pragma once

#include <QString>

#include <string_view>

namespace tessaron {

// Why a stored row is not one this program could have written. The store is a
// file users copy and receive, so every row read from it is checked before it is
// opened or exported.
enum class RowFault {
    None,
    Name,    // not a lower-case name of 1 to 40 characters a-z, 0-9 and '-' that the
             // name check keeps as it is
    Family,  // not one of "r", "c", "t", "p"
    Address, // not the figure address formed from the name and the family
};

// The fault of a row whose fields are given as UTF-8, as the engine holds them.
[[nodiscard]] RowFault rowFault(std::string_view name, std::string_view family,
                                std::string_view address);
[[nodiscard]] RowFault rowFault(const QString &name, const QString &family, const QString &address);

[[nodiscard]] inline bool isWellFormedRow(const QString &name, const QString &family,
                                          const QString &address)
{
    return rowFault(name, family, address) == RowFault::None;
}

// What is wrong with such a row, in a sentence for the command line.
[[nodiscard]] QString rowFaultText(RowFault fault);

} // namespace tessaron
