#include "core/coding/modtessaron.h"

#include "core/coding/addresses.h"

namespace tessaron {

const QString &ModTessaron::formFigureAddress(Family family, const QString &name)
{
    return formFigureAddress(family, name, name);
}

const QString &ModTessaron::formFigureAddress(Family family, const QString &name,
                                              const QString &codedName)
{
    const QString &code = codi(family) = figureCode(family, codedName);
    return adreca(family) = figureAddress(name, code);
}

const QString &ModTessaron::formPlainAddress(const QString &name)
{
    return AdrecaCom = plainAddress(name);
}

void ModTessaron::formRegisters(const QString &caption)
{
    for (Family family : kFamilies)
        registre(family) = registerAddress(caption, codi(family) = figureCode(family, caption));
}

} // namespace tessaron
