#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace tessaron {

// A profile file's lines as they stand on disk. A profile file is a file of bytes
// in whatever encoding its writer used: each line is kept byte for byte, and only
// a line that is replaced or added is written anew, in the file's own encoding. A
// file that starts with a UTF-16 byte-order mark is UTF-16 throughout; any other
// is read as UTF-8 where it is valid UTF-8, and as Latin-1 where it is not.
class ProfileText {
public:
    // A file that does not exist yet: UTF-8, lines ending with a line feed.
    ProfileText() = default;

    // The file's lines; nothing when it cannot be read as a profile file, with
    // the reason in `why`.
    [[nodiscard]] static std::optional<ProfileText> read(const QString &path, QString *why);

    [[nodiscard]] qsizetype size() const { return m_lines.size(); }
    // Line `index` as text, without its line end.
    [[nodiscard]] QString line(qsizetype index) const;
    // False when the file's encoding cannot hold `text` (a Latin-1 file and a
    // character beyond Latin-1): writing it would mix encodings in one file.
    [[nodiscard]] bool canHold(const QString &text) const;
    void replace(qsizetype index, const QString &text);
    void insert(qsizetype index, const QString &text);
    void append(const QString &text);
    // The whole file as it is to be written.
    [[nodiscard]] QByteArray bytes() const;

private:
    enum class Encoding { Utf8, Latin1, Utf16LE, Utf16BE };

    [[nodiscard]] QByteArray encode(const QString &text) const;
    [[nodiscard]] QByteArray lineFeed() const;
    [[nodiscard]] bool endsWithReturn(const QByteArray &line) const;

    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_byteOrderMark;
    QList<QByteArray> m_lines; // each without its line feed; a carriage return stays
    bool m_endsWithLineFeed = true;
    bool m_crlf = false;    // added lines end with a carriage return as well
    QByteArray m_strayByte; // a UTF-16 file of an odd length keeps its last byte
};

} // namespace tessaron
