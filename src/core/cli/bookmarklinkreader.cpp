#include "core/cli/bookmarklinkreader.h"

#include "core/cli/importinput.h"

#include <charconv>

namespace tessaron {

namespace {

constexpr std::size_t kMaxNameBytes = 8; // longer than any tag or attribute looked for

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

void appendName(std::string &name, char c)
{
    if (name.size() <= kMaxNameBytes)
        name.push_back(lower(c));
}

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out.push_back(char(code));
    } else if (code < 0x800) {
        out.push_back(char(0xC0 | (code >> 6)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
        out.push_back(char(0xE0 | (code >> 12)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    } else {
        out.push_back(char(0xF0 | (code >> 18)));
        out.push_back(char(0x80 | ((code >> 12) & 0x3F)));
        out.push_back(char(0x80 | ((code >> 6) & 0x3F)));
        out.push_back(char(0x80 | (code & 0x3F)));
    }
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// The character a reference stands for ("amp", "#38", "#x26"), or 0 when it is
// none this reader knows; such a reference is kept as it is written.
char32_t referencedCharacter(std::string_view name)
{
    if (name.size() > 1 && name[0] == '#') {
        const bool hex = name[1] == 'x' || name[1] == 'X';
        const std::string_view digits = name.substr(hex ? 2 : 1);
        unsigned long code = 0;
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
        const bool whole = error == std::errc() && end == digits.data() + digits.size();
        const bool valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        return whole && !digits.empty() && valid ? char32_t(code) : 0;
    }
    static constexpr std::pair<std::string_view, char32_t> kNamed[] = {
        {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''}};
    for (const auto &[entity, code] : kNamed) {
        if (equalsIgnoringCase(name, entity))
            return code;
    }
    return 0;
}

void decodeReferences(std::string_view raw, std::string &out)
{
    out.clear();
    for (std::size_t at = 0; at < raw.size();) {
        const std::size_t amp = raw.find('&', at);
        out.append(raw.substr(at, amp == raw.npos ? raw.npos : amp - at));
        if (amp == raw.npos)
            break;
        const std::size_t semicolon = raw.find(';', amp);
        // The longest reference this reader knows is "&#x10FFFF;".
        const char32_t code = semicolon != raw.npos && semicolon - amp <= 10
                                  ? referencedCharacter(raw.substr(amp + 1, semicolon - amp - 1))
                                  : 0;
        if (code == 0) {
            out.push_back('&');
            at = amp + 1;
            continue;
        }
        appendUtf8(out, code);
        at = semicolon + 1;
    }
}

} // namespace

bool BookmarkLinkReader::closeTag()
{
    m_state = State::Text;
    if (m_tagName != "a" || !m_haveHref)
        return false;
    decodeReferences(m_href, m_address);
    return true;
}

bool BookmarkLinkReader::step(char c)
{
    switch (m_state) {
    case State::Text:
        if (c == '<') {
            m_state = State::TagOpen;
            m_tagBytes = 1;
            m_tagLine = m_lines + 1;
            m_tagName.clear();
            m_haveHref = false;
            m_inHref = false;
        }
        return false;
    case State::TagOpen:
        if (c == '!') {
            m_state = State::DeclOpen;
        } else if (c == '/' || c == '?') {
            m_state = State::SkipTag;
        } else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) {
            m_state = State::TagName;
            appendName(m_tagName, c);
        } else {
            m_state = c == '<' ? State::TagOpen : State::Text; // a '<' in the text
        }
        return false;
    case State::TagName:
        if (c == '>')
            return closeTag();
        if (isSpace(c) || c == '/')
            m_state = State::Attributes;
        else
            appendName(m_tagName, c);
        return false;
    case State::Attributes:
        if (c == '>')
            return closeTag();
        if (!isSpace(c) && c != '/') {
            m_attrName.clear();
            appendName(m_attrName, c);
            m_state = State::AttrName;
        }
        return false;
    case State::AttrName:
        if (c == '>')
            return closeTag();
        if (c == '=')
            m_state = State::BeforeValue;
        else if (isSpace(c) || c == '/')
            m_state = State::AfterName;
        else
            appendName(m_attrName, c);
        return false;
    case State::AfterName:
        if (c == '>')
            return closeTag();
        if (c == '=') {
            m_state = State::BeforeValue;
        } else if (!isSpace(c) && c != '/') {
            m_attrName.clear();
            appendName(m_attrName, c);
            m_state = State::AttrName;
        }
        return false;
    case State::BeforeValue:
        if (c == '>')
            return closeTag();
        if (isSpace(c))
            return false;
        // Only the first HREF of a tag counts, as in a browser.
        m_inHref = m_tagName == "a" && m_attrName == "href" && !m_haveHref;
        if (m_inHref) {
            m_haveHref = true;
            m_href.clear();
        }
        m_state = State::Value;
        m_quote = c == '"' || c == '\'' ? c : 0;
        if (m_quote == 0 && m_inHref)
            m_href.push_back(c);
        return false;
    case State::Value:
        if (m_quote != 0 ? c == m_quote : isSpace(c)) {
            m_state = State::Attributes;
            return false;
        }
        if (m_quote == 0 && c == '>')
            return closeTag();
        if (m_inHref && m_href.size() < kMaxAddressBytes)
            m_href.push_back(c);
        return false;
    case State::SkipTag:
        if (c == '>')
            m_state = State::Text;
        return false;
    case State::DeclOpen:
        m_state = c == '-' ? State::DeclDash : c == '>' ? State::Text : State::SkipTag;
        return false;
    case State::DeclDash:
        if (c == '-') {
            m_state = State::Comment;
            m_dashes = 0;
        } else {
            m_state = c == '>' ? State::Text : State::SkipTag;
        }
        return false;
    case State::Comment:
        if (c == '>' && m_dashes >= 2)
            m_state = State::Text;
        m_dashes = c == '-' ? m_dashes + 1 : 0;
        return false;
    }
    return false;
}

BookmarkLinkReader::Next BookmarkLinkReader::next()
{
    for (;;) {
        const std::string_view bytes = m_input.available();
        for (std::size_t i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '\n')
                ++m_lines;
            // Text and comments are only passed over; a tag is what is bounded.
            if (m_state != State::Text && m_state != State::Comment &&
                ++m_tagBytes > kMaxTagBytes) {
                m_input.take(i + 1);
                m_state = State::Text;
                return Next::TooLong;
            }
            if (step(c)) {
                m_input.take(i + 1);
                return Next::Link;
            }
        }
        m_input.take(bytes.size());
        const ImportInput::Read read = m_input.readMore();
        if (const std::optional<Next> stop = stopOn<Next>(read))
            return *stop;
        if (read == ImportInput::Read::End)
            return Next::End;
    }
}

} // namespace tessaron
