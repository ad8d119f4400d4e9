#pragma once

namespace tessaron {

// The interface language of a window twin.
enum class Lang { Spanish, English };

[[nodiscard]] constexpr Lang otherLang(Lang lang)
{
    return lang == Lang::Spanish ? Lang::English : Lang::Spanish;
}

} // namespace tessaron
