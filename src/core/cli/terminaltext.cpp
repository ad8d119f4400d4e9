#include "core/cli/terminaltext.h"

#include <QChar>

namespace tessaron {

namespace {

// The length of the valid UTF-8 sequence at `bytes[at]`, with its code point; 0
// when the bytes there are not one (a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate or a code point beyond U+10FFFF).
qsizetype utf8Sequence(QByteArrayView bytes, qsizetype at, char32_t *code)
{
    const auto lead = static_cast<uchar>(bytes.at(at));
    qsizetype length = 0;
    char32_t value = 0;
    char32_t least = 0;
    if (lead < 0x80) {
        *code = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = static_cast<uchar>(bytes.at(at + i));
        if ((next & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (next & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *code = value;
    return length;
}

QString hex(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0'));
}

} // namespace

QString decodeBytes(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t code = 0;
        const qsizetype length = utf8Sequence(bytes, at, &code);
        if (length == 0) {
            text.append(QChar(char16_t(0xDC00 + static_cast<uchar>(bytes.at(at)))));
            ++at;
            continue;
        }
        if (QChar::requiresSurrogates(code)) {
            text.append(QChar(QChar::highSurrogate(code)));
            text.append(QChar(QChar::lowSurrogate(code)));
        } else {
            text.append(QChar(char16_t(code)));
        }
        at += length;
    }
    return text;
}

QByteArray encodeBytes(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const bool pair =
            c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate();
        if (!pair && isEscapedByte(c.unicode())) {
            bytes.append(char(c.unicode() - 0xDC00));
            continue;
        }
        bytes.append(QStringView(text).mid(i, pair ? 2 : 1).toUtf8());
        if (pair)
            ++i;
    }
    return bytes;
}

QString printable(const QString &text, qsizetype limit)
{
    QString shown;
    qsizetype characters = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (characters == limit) {
            shown += QStringLiteral("...");
            break;
        }
        ++characters;
        char32_t c = text.at(i).unicode();
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() &&
            text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        switch (c) {
        case U'\\':
            shown += QStringLiteral("\\\\");
            continue;
        case U'\n':
            shown += QStringLiteral("\\n");
            continue;
        case U'\t':
            shown += QStringLiteral("\\t");
            continue;
        case U'\r':
            shown += QStringLiteral("\\r");
            continue;
        default:
            break;
        }
        if (isEscapedByte(c)) {
            shown += QStringLiteral("\\x") + hex(c - 0xDC00, 2);
        } else if (c < 0x20 || c == 0x7F) {
            shown += QStringLiteral("\\x") + hex(c, 2);
        } else if (c >= 0x80 && c <= 0x9F) {
            shown += QStringLiteral("\\u{") + hex(c, 4) + u'}';
        } else {
            const QChar::Category category = QChar::category(c);
            if (category == QChar::Other_Format || category == QChar::Other_Surrogate ||
                category == QChar::Other_NotAssigned || category == QChar::Separator_Line ||
                category == QChar::Separator_Paragraph || category == QChar::Other_Control)
                shown += QStringLiteral("\\u{") + hex(c, 4) + u'}';
            else
                shown += QString::fromUcs4(&c, 1);
        }
    }
    return shown;
}

} // namespace tessaron
