#include "core/coding/addresses.h"

namespace tessaron {

namespace {

// "SCHEMEwww.tessaron-NAME-CODE.com", made in one allocation: these are formed
// for every name a script streams through the program.
QString formAddress(QStringView scheme, const QString &name, const QString &code)
{
    static constexpr QStringView www = u"www.";
    static constexpr QStringView com = u".com";
    QString address;
    address.reserve(scheme.size() + www.size() + kSitePrefix.size() + name.size() + code.size() +
                    com.size() + 2);
    address.append(scheme).append(www).append(kSitePrefix).append(u'-').append(name);
    address.append(u'-').append(code).append(com);
    return address;
}

} // namespace

QString registerAddress(const QString &name, const QString &code)
{
    return formAddress({}, name, code);
}

QString figureAddress(const QString &name, const QString &code)
{
    return formAddress(u"http://", name, code);
}

QString plainAddress(const QString &name)
{
    return QStringLiteral("http://www.") + name + QStringLiteral(".com");
}

} // namespace tessaron
