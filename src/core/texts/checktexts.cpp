#include "core/texts/checktexts.h"

namespace tessaron {

namespace {

struct CheckTexts {
    QString leadingHyphen;
    QString badCharacterBefore;
    QString badCharacterAfter;
    QString tooLong;
    QString tooLongCompact;
};

const CheckTexts &textsFor(Lang lang)
{
    static const CheckTexts spanish{
        QStringLiteral("El primer carácter no puede ser un guion, se borrará."),
        QStringLiteral("El carácter "),
        QStringLiteral(" és erroneo, se borrará"),
        QStringLiteral("Hay demasiados carácteres, se va a borrar el último. (Este programa solo "
                       "permite hasta 40 carácteres.)"),
        QStringLiteral("Hay demasiados carácteres, se va a borrar el último. (Este programa solo "
                       "permite hasta 40 carácteres.)"),
    };
    static const CheckTexts english{
        QStringLiteral("The first character cannot be a hyphen.It will be eliminated."),
        QStringLiteral("The character "),
        QStringLiteral(" is erroneous.It will be eliminated."),
        QStringLiteral("There are too many characters,it will be eliminated the last. (This "
                       "program allows only 40 characters.)"),
        QStringLiteral("There are too many characters,it will be eliminated the last. (This "
                       "program allows only 40 characters.) "),
    };
    return lang == Lang::Spanish ? spanish : english;
}

} // namespace

QString checkMessageText(Lang lang, const NameCheckMessage &message, CheckWindow window)
{
    const CheckTexts &texts = textsFor(lang);
    switch (message.kind) {
    case NameCheckMessage::Kind::LeadingHyphen:
        return texts.leadingHyphen;
    case NameCheckMessage::Kind::BadCharacter:
        // A positive number is written with a leading blank where its sign would stand.
        return texts.badCharacterBefore + u' ' + QString::number(message.position) +
               texts.badCharacterAfter;
    case NameCheckMessage::Kind::TooLong:
        return window == CheckWindow::Compact ? texts.tooLongCompact : texts.tooLong;
    }
    return {};
}

} // namespace tessaron
