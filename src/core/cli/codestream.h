#pragma once

namespace tessaron {

// A line longer than this many bytes cannot hold a name; it is read past, not kept.
inline constexpr long kMaxNameLineBytes = 4096;

// Codes names read one a line from the file descriptor `input` until its end, as
// `tessaron --codes -` does: each good name's four lines go to `output` as soon as
// the name is read (the output is flushed whenever the input has nothing more
// ready), and each refused line gets one line on `errors` with its number and the
// reason, and the rest goes on. Memory stays the same however long the input.
// The exit status: 0, or 2 when any line was refused.
[[nodiscard]] int streamCodes(int input, int output, int errors);

} // namespace tessaron
