#pragma once

#include "core/coding/characters.h"

#include <QLatin1StringView>
#include <QList>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <string_view>

namespace tessaron {

// The longest name the check keeps.
inline constexpr int kMaxNameLength = 40;

// Whether capitals A-Z count as their small letters: a typed or given name is coded
// in lower case, a stored one holds none.
enum class Capitals { Allowed, Refused };

// The name rule: a name the check keeps as it stands, 1 to kMaxNameLength
// characters of a-z, 0-9 and '-', the first not '-'. One function for every view
// of a name (the command line's bytes, a stored row's UTF-8, a box's text), so
// that no caller can hold a looser copy of it.
template <typename Unit>
[[nodiscard]] constexpr bool isKeptName(std::basic_string_view<Unit> name, Capitals capitals)
{
    const auto allowed = [capitals](Unit unit) {
        // Unsigned, so a byte above 127 or a surrogate is never taken for ASCII.
        const auto c = static_cast<char32_t>(static_cast<std::make_unsigned_t<Unit>>(unit));
        return isAllowedCharacter(capitals == Capitals::Allowed ? asciiLower(c) : c);
    };
    return !name.empty() && name.size() <= std::size_t(kMaxNameLength) &&
           name.front() != Unit('-') && std::all_of(name.begin(), name.end(), allowed);
}
[[nodiscard]] inline bool isKeptName(QStringView name, Capitals capitals)
{
    return isKeptName(std::u16string_view(name.utf16(), std::size_t(name.size())), capitals);
}

// What a name label shows while there is no name.
inline constexpr QLatin1StringView kNoNameCaption("?");

// What the name labels show for a checked name: the name, or "?" for none.
[[nodiscard]] QString nameCaption(const QString &name);

// One message the name check shows, in the order it shows them.
struct NameCheckMessage {
    enum class Kind {
        LeadingHyphen, // a hyphen that stands first
        BadCharacter,  // a character outside a-z, 0-9 and hyphen, with its position
        TooLong,       // more than kMaxNameLength characters
    };
    Kind kind;
    int position = 0;            // 1-based position of the bad character in the text of that moment
    qsizetype removedBefore = 0; // characters removed before this message was shown

    friend bool operator==(const NameCheckMessage &, const NameCheckMessage &) = default;
};

// What the name check does to one text: the messages in order, the text the
// box holds when each is shown, and the text it holds in the end.
class NameCheckResult {
public:
    [[nodiscard]] const QList<NameCheckMessage> &messages() const { return m_messages; }
    // The text in the box while message `index` is shown. Built on demand, so a
    // pasted megabyte with many bad characters costs nothing until asked for.
    [[nodiscard]] QString boxTextAt(qsizetype index) const;
    // The text the box holds when the check has finished, letter case as typed.
    [[nodiscard]] const QString &finalText() const { return m_finalText; }
    // The final text in lower case: the new `NomActual`.
    [[nodiscard]] QString name() const;
    // What the five name labels show: the name, or "?" when there is none.
    [[nodiscard]] QString labelCaption() const;
    [[nodiscard]] bool corrected() const { return !m_messages.isEmpty(); }

private:
    friend NameCheckResult checkName(const QString &text);

    QString m_original;
    // Code-point boundaries of the original text (UTF-16 offsets), one more than
    // the number of characters, so a surrogate pair counts as one character.
    QList<qsizetype> m_boundaries;
    // Indices (in characters) of removed characters, in the order removed.
    QList<qsizetype> m_removed;
    QList<NameCheckMessage> m_messages;
    QString m_finalText;
};

// The check that runs on every change of a name box. It behaves as the box's
// change handler re-entering itself after each correction: every bad character
// is reported at its position in the text of that moment, a hyphen that comes to
// stand first is reported again, and an over-long text is cut once, at its end.
// Runs in linear time on any text.
[[nodiscard]] NameCheckResult checkName(const QString &text);

// The text in lower case, A-Z only.
[[nodiscard]] QString asciiLowerText(const QString &text);

} // namespace tessaron
