#pragma once

#include <QString>

#include <exception>

namespace tessaron {

// A failure of the favourites store, as the cursor reports it to its caller.
class StoreError : public std::exception {
public:
    enum class Kind {
        CannotOpen, // missing file, not a database, no table
        NoRow,      // asked for the current row where there is none
        Duplicate,  // the address is already stored
        Engine,     // anything else the database engine refused
    };
    // What a user can do something about; Other for the rest, told in the
    // engine's own words.
    enum class Cause {
        Other,
        Missing,
        NotAFile,
        NotADatabase,
        NoTable,
        ReadOnly,
        Locked,
        DiskFull,
        NotMade,    // the user's own could not be made from the installed empty store
        BrokenLink, // a link to a file that is not there; the reason names the target
        LinkLoop,   // a link that leads back to itself
    };

    StoreError(Kind kind, Cause cause, QString path, QString reason)
        : m_kind(kind), m_cause(cause), m_path(std::move(path)), m_reason(std::move(reason))
    {
    }

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] Cause cause() const { return m_cause; }
    [[nodiscard]] const QString &path() const { return m_path; }
    // Why, in the engine's words or the cursor's own, in English.
    [[nodiscard]] const QString &reason() const { return m_reason; }
    // "path: reason".
    [[nodiscard]] QString message() const { return m_path + QStringLiteral(": ") + m_reason; }
    [[nodiscard]] const char *what() const noexcept override { return "favourites store error"; }

    // The cause of an SQLite result code (primary or extended).
    [[nodiscard]] static Cause causeOfEngineCode(int code);

private:
    Kind m_kind;
    Cause m_cause;
    QString m_path;
    QString m_reason;
};

inline StoreError::Cause StoreError::causeOfEngineCode(int code)
{
    switch (code & 0xFF) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return Cause::Locked;
    case 8: // SQLITE_READONLY
        return Cause::ReadOnly;
    case 13: // SQLITE_FULL
        return Cause::DiskFull;
    case 26: // SQLITE_NOTADB
        return Cause::NotADatabase;
    default:
        return Cause::Other;
    }
}

} // namespace tessaron
