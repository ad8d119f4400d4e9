#include "core/settings/profiletext.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace tessaron {

namespace {

// Text in UTF-16 without a byte-order mark: its first characters are ASCII, each
// with a NUL byte after it (little-endian) or before it (big-endian). Other bytes
// that hold NULs (a damaged file) are read as Latin-1 as before.
bool looksLikeUtf16(const QByteArray &bytes)
{
    const qsizetype pairs = std::min<qsizetype>(bytes.size() / 2, 32);
    if (pairs < 2)
        return false;
    const auto everyPair = [&](int nul) {
        for (qsizetype i = 0; i < pairs; ++i) {
            const char a = bytes.at(2 * i + nul);
            const char b = bytes.at(2 * i + 1 - nul);
            if (a != '\0' || b == '\0' || static_cast<unsigned char>(b) > 0x7f)
                return false;
        }
        return true;
    };
    return everyPair(1) || everyPair(0);
}

// A settings file is a few lines; anything far larger is not one, and reading it
// would only slow the start.
constexpr qint64 kMaxFileSize = 1024 * 1024;

bool isValidUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

} // namespace

std::optional<ProfileText> ProfileText::read(const QString &path, QString *why)
{
    const auto fail = [why](const QString &reason) {
        if (why)
            *why = reason;
        return std::nullopt;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("it is a directory"));
    if (!info.exists() && info.isSymLink()) {
        struct stat followed {};
        if (::stat(QFile::encodeName(path).constData(), &followed) != 0 && errno == ELOOP)
            return fail(QStringLiteral("it is a link that leads back to itself"));
        return fail(
            QStringLiteral("it is a link to %1, which does not exist").arg(info.symLinkTarget()));
    }
    if (!info.exists())
        return fail(QStringLiteral("it does not exist"));
    if (!info.isFile())
        return fail(QStringLiteral("it is not a regular file"));
    if (info.size() > kMaxFileSize)
        return fail(QStringLiteral("it is larger than %1 bytes, more than a settings file holds")
                        .arg(kMaxFileSize));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    QByteArray bytes = file.read(kMaxFileSize + 1);
    if (bytes.size() > kMaxFileSize)
        return fail(QStringLiteral("it is larger than %1 bytes, more than a settings file holds")
                        .arg(kMaxFileSize));

    ProfileText text;
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF")) {
        text.m_encoding = bytes.startsWith("\xFF\xFE") ? Encoding::Utf16LE : Encoding::Utf16BE;
        text.m_byteOrderMark = bytes.left(2);
        bytes.remove(0, 2);
        if (bytes.size() % 2 != 0) {
            text.m_strayByte = bytes.right(1);
            bytes.chop(1);
        }
    } else if (looksLikeUtf16(bytes)) {
        // Read as bytes, its lines would never match, and a line added to it would
        // be of another encoding than the rest.
        return fail(QStringLiteral("it looks like UTF-16 without a byte-order mark, which is "
                                   "not read (a UTF-16 file begins with one)"));
    } else {
        if (bytes.startsWith("\xEF\xBB\xBF")) {
            text.m_byteOrderMark = bytes.left(3);
            bytes.remove(0, 3);
        }
        text.m_encoding = isValidUtf8(bytes) ? Encoding::Utf8 : Encoding::Latin1;
    }

    // Split on the line feed of the encoding, at whole characters only.
    const QByteArray feed = text.lineFeed();
    const qsizetype step = feed.size();
    qsizetype start = 0;
    for (qsizetype at = 0; at + step <= bytes.size(); at += step) {
        if (bytes.at(at) == feed.at(0) && (step == 1 || bytes.at(at + 1) == feed.at(1))) {
            text.m_lines.append(bytes.mid(start, at - start));
            start = at + step;
        }
    }
    text.m_endsWithLineFeed = start == bytes.size();
    if (!text.m_endsWithLineFeed)
        text.m_lines.append(bytes.mid(start));
    // Added lines end as the file's first line does.
    text.m_crlf = !text.m_lines.isEmpty() && text.endsWithReturn(text.m_lines.first());
    return text;
}

QString ProfileText::line(qsizetype index) const
{
    const QByteArray &bytes = m_lines.at(index);
    QString text;
    switch (m_encoding) {
    case Encoding::Utf8:
        text = QString::fromUtf8(bytes);
        break;
    case Encoding::Latin1:
        text = QString::fromLatin1(bytes);
        break;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE:
        text.resize(bytes.size() / 2);
        for (qsizetype i = 0; i < text.size(); ++i) {
            const auto first = static_cast<uchar>(bytes.at(2 * i));
            const auto second = static_cast<uchar>(bytes.at(2 * i + 1));
            text[i] = QChar(m_encoding == Encoding::Utf16LE ? char16_t(first | second << 8)
                                                            : char16_t(second | first << 8));
        }
        break;
    }
    if (text.endsWith(u'\r'))
        text.chop(1);
    return text;
}

bool ProfileText::canHold(const QString &text) const
{
    if (m_encoding != Encoding::Latin1)
        return true;
    for (QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

QByteArray ProfileText::encode(const QString &text) const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        return text.toUtf8();
    case Encoding::Latin1:
        return text.toLatin1();
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        QByteArray bytes;
        bytes.reserve(text.size() * 2);
        for (QChar c : text) {
            const auto low = static_cast<char>(c.unicode() & 0xFF);
            const auto high = static_cast<char>(c.unicode() >> 8);
            bytes.append(m_encoding == Encoding::Utf16LE ? low : high);
            bytes.append(m_encoding == Encoding::Utf16LE ? high : low);
        }
        return bytes;
    }
    }
    return {};
}

QByteArray ProfileText::lineFeed() const
{
    return encode(QStringLiteral("\n"));
}

bool ProfileText::endsWithReturn(const QByteArray &line) const
{
    return line.endsWith(encode(QStringLiteral("\r")));
}

void ProfileText::replace(qsizetype index, const QString &text)
{
    // A replaced line keeps its own line end.
    m_lines[index] = encode(endsWithReturn(m_lines.at(index)) ? text + u'\r' : text);
}

void ProfileText::insert(qsizetype index, const QString &text)
{
    m_lines.insert(index, encode(m_crlf ? text + u'\r' : text));
}

void ProfileText::append(const QString &text)
{
    m_lines.append(encode(m_crlf ? text + u'\r' : text));
    m_endsWithLineFeed = true;
}

QByteArray ProfileText::bytes() const
{
    const QByteArray feed = lineFeed();
    QByteArray out = m_byteOrderMark;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        out += m_lines.at(i);
        if (i + 1 < m_lines.size() || m_endsWithLineFeed)
            out += feed;
    }
    return out + m_strayByte;
}

} // namespace tessaron
