#pragma once

#include "core/favourites/favouriterow.h"

#include <QString>

#include <string_view>

namespace tessaron {

class OutputSink;

// How many left-out rows a command names one by one; the rest are counted.
inline constexpr int kLeftOutNamed = 10;

// The rows a command leaves out, named on the error output as they are met: the
// first kLeftOutNamed one by one, every field escaped, and the rest counted by
// finish(). The exports and the import say them alike.
class LeftOutRows {
public:
    explicit LeftOutRows(OutputSink &err) : m_err(err) {}

    // A row of the store or of a file that this program would not write; `what`
    // says which ("a row this program did not write", "line 7, ...").
    void add(const QString &what, RowFault fault, std::string_view name, std::string_view family,
             std::string_view address);
    // Something that is not even a row (a line of a file with too few fields),
    // said in `why`, whose own pieces the caller has escaped.
    void add(const QString &what, const QString &why);
    void finish();
    [[nodiscard]] qint64 count() const { return m_count; }

private:
    OutputSink &m_err;
    qint64 m_count = 0;
};

// Bytes from outside shown on one line, escaped and cut as the command line
// echoes anything it did not write itself.
[[nodiscard]] QString shownBytes(std::string_view bytes);

} // namespace tessaron
