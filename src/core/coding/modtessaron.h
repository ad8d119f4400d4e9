#pragma once

#include "core/coding/figurecoding.h"

#include <QString>

#include <array>

namespace tessaron {

// The figure address of `name` for `family`, every window's: coded from
// `codedName`, for an address that keeps the name as typed (the compact
// window's, capitals and all), or else from the name itself.
[[nodiscard]] QString formFigureAddress(Family family, const QString &name);
[[nodiscard]] QString formFigureAddress(Family family, const QString &name,
                                        const QString &codedName);

// The texts the windows share: the current name, the registers and the browser
// program. The application owns one and hands it to every window, so each test
// starts clean.
struct ModTessaron {
    QString NomActual;
    QString RegistreR, RegistreC, RegistreT, RegistreP;
    QString NavegadorExe;

    [[nodiscard]] QString &registre(Family family)
    {
        return *std::array{&RegistreR, &RegistreC, &RegistreT,
                           &RegistreP}[static_cast<std::size_t>(family)];
    }

    // Fills the four registers from `caption`, as the figure labels show it: a
    // label without a name gives registers formed from "?".
    void formRegisters(const QString &caption);
};

} // namespace tessaron
