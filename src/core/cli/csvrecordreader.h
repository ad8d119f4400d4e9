#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>
#include <vector>

namespace tessaron {

class ImportInput;

// The records of a CSV file as RFC 4180 writes them (fields parted by commas,
// records by CRLF or LF, a field in double quotes holding commas, line breaks
// and doubled quotes), one at a time. A record may hold at most kMaxRecordBytes:
// no favourite comes near that, and a longer one is refused there, so that a
// file with no line end at all costs no more memory than any other. Blank lines
// are passed over. Bytes are handed on as they are, checked by nobody here.
class CsvRecordReader {
public:
    explicit CsvRecordReader(ImportInput &input) : m_input(input) {}

    static constexpr std::size_t kMaxRecordBytes = 4096;

    enum class Next {
        Record,      // a record: fieldCount(), field(), line()
        End,         // no more records
        TooLong,     // the record at line() is longer than kMaxRecordBytes
        Unclosed,    // the file ends inside the quoted field begun on line()
        Failed,      // the input could not be read
        Interrupted, // a signal broke a read off; next() goes on from where it was
    };
    [[nodiscard]] Next next();

    [[nodiscard]] std::size_t fieldCount() const { return m_ends.size(); }
    [[nodiscard]] std::string_view field(std::size_t index) const
    {
        const std::size_t begin = index == 0 ? 0 : m_ends[index - 1];
        return std::string_view(m_bytes).substr(begin, m_ends[index] - begin);
    }
    // The line of the file the record begins on, counting from 1.
    [[nodiscard]] qint64 line() const { return m_recordLine; }

private:
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted };
    void startRecord();
    void endField() { m_ends.push_back(m_bytes.size()); }

    ImportInput &m_input;
    State m_state = State::FieldStart;
    bool m_inRecord = false;
    bool m_crPending = false; // the last byte kept is a CR outside quotes
    std::size_t m_raw = 0;    // the record's bytes so far, as the file holds them
    std::string m_bytes;      // the fields' bytes, one after another
    std::vector<std::size_t> m_ends;
    qint64 m_lines = 0; // line ends read so far
    qint64 m_recordLine = 0;
};

} // namespace tessaron
