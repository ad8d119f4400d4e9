#pragma once

#include <cstdlib>

// A promise the code under fuzzing broke: libFuzzer keeps the input that did it.
inline void require(bool holds)
{
    if (!holds)
        std::abort();
}
