#include "core/cli/leftoutrows.h"

#include "core/cli/outputsink.h"
#include "core/cli/terminaltext.h"

namespace tessaron {

QString shownBytes(std::string_view bytes)
{
    return printable(decodeBytes(QByteArrayView(bytes.data(), qsizetype(bytes.size()))));
}

void LeftOutRows::add(const QString &what, RowFault fault, std::string_view name,
                      std::string_view family, std::string_view address)
{
    if (m_count + 1 > kLeftOutNamed) {
        ++m_count;
        return;
    }
    add(what,
        QStringLiteral("(%1): name \"%2\", family \"%3\", address \"%4\"")
            .arg(rowFaultText(fault), shownBytes(name), shownBytes(family), shownBytes(address)));
}

void LeftOutRows::add(const QString &what, const QString &why)
{
    if (++m_count > kLeftOutNamed)
        return;
    m_err << QStringLiteral("tessaron: left out %1 %2\n").arg(what, why);
}

void LeftOutRows::finish()
{
    if (m_count > kLeftOutNamed)
        m_err << QStringLiteral("tessaron: %1 more rows left out\n").arg(m_count - kLeftOutNamed);
}

} // namespace tessaron
