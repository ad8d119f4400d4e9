#pragma once

#include <QtGlobal>

#include <string>
#include <string_view>

namespace tessaron {

class ImportInput;

// The links of a bookmarks file (the Netscape format every browser writes), one
// at a time: the address of each <A> tag with an HREF, wherever it stands in the
// folders, tag and attribute names in any letter case, character references
// decoded (&amp;, &#38;, &#x26;). Text and comments are passed over without being
// kept; a tag may be at most kMaxTagBytes long (browsers put whole icons in them)
// and only the first kMaxAddressBytes of an address are kept, so that memory
// stays the same whatever the file holds.
class BookmarkLinkReader {
public:
    explicit BookmarkLinkReader(ImportInput &input) : m_input(input) {}

    static constexpr std::size_t kMaxTagBytes = 1024 * 1024;
    static constexpr std::size_t kMaxAddressBytes = 4096;

    enum class Next {
        Link,        // a link: address(), line()
        End,         // no more links
        TooLong,     // the tag begun on line() is longer than kMaxTagBytes
        Failed,      // the input could not be read
        Interrupted, // a signal broke a read off; next() goes on from where it was
    };
    [[nodiscard]] Next next();

    // The link's address, character references decoded.
    [[nodiscard]] std::string_view address() const { return m_address; }
    // The line of the file the link's tag begins on, counting from 1.
    [[nodiscard]] qint64 line() const { return m_tagLine; }

private:
    enum class State {
        Text,
        TagOpen,     // after '<'
        TagName,     // in <name
        Attributes,  // between attributes
        AttrName,    // in an attribute's name
        AfterName,   // after an attribute's name, before '=' or the next name
        BeforeValue, // after '='
        Value,       // in a value; m_quote says how it ends
        SkipTag,     // an end tag, a declaration or a processing instruction
        DeclOpen,    // after "<!"
        DeclDash,    // after "<!-"
        Comment,     // in <!-- ... -->; m_dashes counts the dashes just read
    };
    // Handles one byte; true when it closed a tag with a link.
    bool step(char c);
    bool closeTag();

    ImportInput &m_input;
    State m_state = State::Text;
    std::size_t m_tagBytes = 0;
    std::string m_tagName;  // the first bytes of the tag's name, in small letters
    std::string m_attrName; // the same for the attribute being read
    char m_quote = 0;       // the quote that ends the value, or 0 for a bare value
    bool m_inHref = false;
    bool m_haveHref = false;
    int m_dashes = 0;
    std::string m_href; // as the file writes it
    std::string m_address;
    qint64 m_lines = 0;
    qint64 m_tagLine = 0;
};

} // namespace tessaron
