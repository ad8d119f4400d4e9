// The name check on any text: what it promises, checked on every input.
#include "core/coding/characters.h"
#include "core/coding/namecheck.h"
#include "require.h"

#include <QString>

#include <cstdint>

using namespace tessaron;

namespace {

bool isNameCharacter(QChar c)
{
    return isAllowedCharacter(asciiLower(c.unicode()));
}

void checkPromises(const QString &text)
{
    const NameCheckResult result = checkName(text);
    const QString &kept = result.finalText();
    // Only a-z, A-Z, 0-9 and hyphen; never a hyphen first; at most 40 characters.
    for (QChar c : kept)
        require(isNameCharacter(c));
    require(!kept.startsWith(u'-'));
    require(kept.size() <= kMaxNameLength);
    require(result.name() == asciiLowerText(kept));
    // The messages come in the order the corrections are made: each one's box text
    // shows the fault it reports, and the removals only grow.
    qsizetype removed = 0;
    const qsizetype count = result.messages().size();
    for (qsizetype i = 0; i < count && i < 64; ++i) {
        const NameCheckMessage &m = result.messages().at(i);
        require(m.removedBefore >= removed);
        removed = m.removedBefore;
        const QString box = result.boxTextAt(i);
        switch (m.kind) {
        case NameCheckMessage::Kind::LeadingHyphen:
            require(box.startsWith(u'-'));
            break;
        case NameCheckMessage::Kind::BadCharacter:
            require(m.position >= 1);
            break;
        case NameCheckMessage::Kind::TooLong:
            require(i == count - 1);
            require(box.size() > kMaxNameLength);
            break;
        }
    }
    // Checking what is kept changes nothing.
    require(!checkName(kept).corrected());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *bytes = reinterpret_cast<const char *>(data);
    checkPromises(QString::fromUtf8(bytes, qsizetype(size)));
    checkPromises(QString(reinterpret_cast<const QChar *>(data), qsizetype(size / 2)));
    return 0;
}
