#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

namespace tessaron {

// A file read in blocks of a fixed size, for readers that take it a byte at a
// time and keep nothing of it themselves: memory stays the same whatever the file
// holds, a gigabyte on one line or /dev/zero.
class ImportInput {
public:
    explicit ImportInput(int fd);

    enum class Read {
        More,        // more bytes are available
        End,         // the end of the file
        Failed,      // the read failed: error() says why
        Interrupted, // a signal broke the read off; the caller decides whether to go on
    };

    // The bytes read and not yet taken.
    [[nodiscard]] std::string_view available() const
    {
        return {m_buffer.get() + m_begin, m_end - m_begin};
    }
    void take(std::size_t bytes) { m_begin += bytes; }
    // Reads the next block, keeping the bytes not yet taken in front of it.
    [[nodiscard]] Read readMore();
    // Reads until at least `bytes` are available, the end, or a failure.
    [[nodiscard]] Read fill(std::size_t bytes);
    [[nodiscard]] int error() const { return m_errno; }

    static constexpr std::size_t kBlock = 64 * 1024;

private:
    int m_fd;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    int m_errno = 0;
};

// A reader's own answer for a read that stops it (a failure, a signal); nothing
// for more bytes or the end, which each reader meets in its own way.
template <class Next> [[nodiscard]] constexpr std::optional<Next> stopOn(ImportInput::Read read)
{
    if (read == ImportInput::Read::Failed)
        return Next::Failed;
    if (read == ImportInput::Read::Interrupted)
        return Next::Interrupted;
    return std::nullopt;
}

} // namespace tessaron
