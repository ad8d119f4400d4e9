#pragma once

#include <QString>

#include <exception>

namespace tessaron {

// A failure of the favourites store, as the cursor reports it to its caller.
class StoreError : public std::exception {
public:
    enum class Kind {
        CannotOpen, // missing file, not a database, no table
        NoRow,      // an empty table, no current row, already at an end
        Duplicate,  // the address is already stored
        Engine,     // anything else the database engine refused
    };

    StoreError(Kind kind, QString message) : m_kind(kind), m_message(std::move(message)) {}

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] const QString &message() const { return m_message; }
    [[nodiscard]] const char *what() const noexcept override { return "favourites store error"; }

private:
    Kind m_kind;
    QString m_message;
};

} // namespace tessaron
