#pragma once

#include "core/coding/figurecoding.h"

#include <QString>

#include <array>

namespace tessaron {

// The texts the windows share: the current name, the last code and address
// formed for each family, the registers and the browser program. The
// application owns one and hands it to every window, so each test starts clean.
// Every window forms its codes and addresses here, so they are formed one way.
struct ModTessaron {
    QString NomActual;
    QString CodiR, CodiC, CodiT, CodiP;
    QString AdrecaR, AdrecaC, AdrecaT, AdrecaP;
    QString AdrecaCom;
    QString RegistreR, RegistreC, RegistreT, RegistreP;
    QString NavegadorExe;

    [[nodiscard]] QString &codi(Family family)
    {
        return *std::array{&CodiR, &CodiC, &CodiT, &CodiP}[static_cast<std::size_t>(family)];
    }
    [[nodiscard]] QString &adreca(Family family)
    {
        return *std::array{&AdrecaR, &AdrecaC, &AdrecaT,
                           &AdrecaP}[static_cast<std::size_t>(family)];
    }
    [[nodiscard]] QString &registre(Family family)
    {
        return *std::array{&RegistreR, &RegistreC, &RegistreT,
                           &RegistreP}[static_cast<std::size_t>(family)];
    }

    // Codes `name` for `family` and keeps the code and the figure address; the
    // address is returned.
    const QString &formFigureAddress(Family family, const QString &name);
    // The same with the code of `codedName`, for an address that keeps the name
    // as typed (the compact window's, capitals and all).
    const QString &formFigureAddress(Family family, const QString &name, const QString &codedName);
    // Keeps the plain address of `name` in `AdrecaCom` and returns it.
    const QString &formPlainAddress(const QString &name);
    // Fills the four codes and registers from `caption`, as the figure labels show
    // it: a label without a name gives registers formed from "?".
    void formRegisters(const QString &caption);
};

} // namespace tessaron
