#include "core/coding/namecheck.h"

#include "core/coding/characters.h"

namespace tessaron {

namespace {

char32_t codePointAt(const QString &text, qsizetype begin, qsizetype end)
{
    if (end - begin == 2)
        return QChar::surrogateToUcs4(text.at(begin), text.at(begin + 1));
    return text.at(begin).unicode();
}

} // namespace

QString asciiLowerText(const QString &text)
{
    QString lower = text;
    for (QChar &c : lower) {
        if (c.unicode() >= u'A' && c.unicode() <= u'Z')
            c = QChar(static_cast<char16_t>(c.unicode() + (u'a' - u'A')));
    }
    return lower;
}

NameCheckResult checkName(const QString &text)
{
    NameCheckResult result;
    result.m_original = text;

    const qsizetype units = text.size();
    result.m_boundaries.reserve(units + 1);
    for (qsizetype i = 0; i < units;) {
        result.m_boundaries.append(i);
        const bool pair =
            text.at(i).isHighSurrogate() && i + 1 < units && text.at(i + 1).isLowSurrogate();
        i += pair ? 2 : 1;
    }
    result.m_boundaries.append(units);

    const qsizetype characters = result.m_boundaries.size() - 1;
    QString kept;
    kept.reserve(qMin<qsizetype>(units, 1024));
    for (qsizetype j = 0; j < characters; ++j) {
        const qsizetype begin = result.m_boundaries.at(j);
        const qsizetype end = result.m_boundaries.at(j + 1);
        const char32_t c = asciiLower(codePointAt(text, begin, end));
        const qsizetype position = kept.size() + 1; // kept text is ASCII: units == characters
        NameCheckMessage message{};
        if (c == U'-' && position == 1) {
            message.kind = NameCheckMessage::Kind::LeadingHyphen;
        } else if (!isAllowedCharacter(c)) {
            message.kind = NameCheckMessage::Kind::BadCharacter;
        } else {
            kept.append(text.at(begin));
            continue;
        }
        message.position = static_cast<int>(qMin<qsizetype>(position, INT_MAX));
        message.removedBefore = result.m_removed.size();
        result.m_messages.append(message);
        result.m_removed.append(j);
    }

    if (kept.size() > kMaxNameLength) {
        NameCheckMessage message{};
        message.kind = NameCheckMessage::Kind::TooLong;
        message.removedBefore = result.m_removed.size();
        result.m_messages.append(message);
        kept.truncate(kMaxNameLength);
    }
    result.m_finalText = kept;
    return result;
}

QString NameCheckResult::boxTextAt(qsizetype index) const
{
    const NameCheckMessage &message = m_messages.at(index);
    if (message.removedBefore == 0)
        return m_original;
    QString text;
    text.reserve(m_original.size());
    qsizetype from = 0; // character index
    for (qsizetype r = 0; r < message.removedBefore; ++r) {
        const qsizetype removed = m_removed.at(r);
        text.append(
            QStringView(m_original)
                .sliced(m_boundaries.at(from), m_boundaries.at(removed) - m_boundaries.at(from)));
        from = removed + 1;
    }
    text.append(QStringView(m_original).sliced(m_boundaries.at(from)));
    return text;
}

QString NameCheckResult::name() const
{
    return asciiLowerText(m_finalText);
}

QString NameCheckResult::labelCaption() const
{
    return nameCaption(name());
}

QString nameCaption(const QString &name)
{
    return name.isEmpty() ? QString(kNoNameCaption) : name;
}

} // namespace tessaron
