#include "core/cli/csvrecordreader.h"

#include "core/cli/importinput.h"

namespace tessaron {

void CsvRecordReader::startRecord()
{
    m_state = State::FieldStart;
    m_inRecord = true;
    m_crPending = false;
    m_raw = 0;
    m_bytes.clear();
    m_ends.clear();
    m_recordLine = m_lines + 1;
}

CsvRecordReader::Next CsvRecordReader::next()
{
    if (!m_inRecord)
        startRecord();
    for (;;) {
        const std::string_view bytes = m_input.available();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\n') {
                ++m_lines;
                if (m_state != State::Quoted) {
                    if (m_crPending) {
                        m_bytes.pop_back();
                        --m_raw;
                    }
                    if (m_raw == 0) { // a blank line
                        startRecord();
                        continue;
                    }
                    endField();
                    m_input.take(i + 1);
                    m_inRecord = false;
                    return Next::Record;
                }
            }
            if (++m_raw > kMaxRecordBytes) {
                m_input.take(i + 1);
                m_inRecord = false;
                return Next::TooLong;
            }
            m_crPending = false;
            switch (m_state) {
            case State::FieldStart:
                if (c == '"') {
                    m_state = State::Quoted;
                    continue;
                }
                if (c == ',') {
                    endField();
                    continue;
                }
                m_state = State::Unquoted;
                break;
            case State::Unquoted:
                if (c == ',') {
                    endField();
                    m_state = State::FieldStart;
                    continue;
                }
                break;
            case State::Quoted:
                if (c == '"') {
                    m_state = State::QuoteInQuoted;
                    continue;
                }
                m_bytes.push_back(c);
                continue;
            case State::QuoteInQuoted:
                if (c == '"') { // a doubled quote stands for one
                    m_bytes.push_back(c);
                    m_state = State::Quoted;
                    continue;
                }
                if (c == ',') {
                    endField();
                    m_state = State::FieldStart;
                    continue;
                }
                // Text after the closing quote is kept as it stands, as spreadsheets do.
                m_state = State::Unquoted;
                break;
            }
            m_bytes.push_back(c);
            m_crPending = c == '\r';
        }
        m_input.take(bytes.size());
        const ImportInput::Read read = m_input.readMore();
        if (const std::optional<Next> stop = stopOn<Next>(read))
            return *stop;
        if (read == ImportInput::Read::More)
            continue;
        // The last record needs no line end.
        m_inRecord = false;
        if (m_state == State::Quoted)
            return Next::Unclosed;
        if (m_crPending) {
            m_bytes.pop_back();
            --m_raw;
        }
        if (m_raw == 0)
            return Next::End;
        endField();
        return Next::Record;
    }
}

} // namespace tessaron
