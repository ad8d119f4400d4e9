#include "core/coding/modtessaron.h"

#include "core/coding/addresses.h"

namespace tessaron {

QString formFigureAddress(Family family, const QString &name)
{
    return formFigureAddress(family, name, name);
}

QString formFigureAddress(Family family, const QString &name, const QString &codedName)
{
    return figureAddress(name, figureCode(family, codedName));
}

void ModTessaron::formRegisters(const QString &caption)
{
    for (Family family : kFamilies)
        registre(family) = registerAddress(caption, figureCode(family, caption));
}

} // namespace tessaron
