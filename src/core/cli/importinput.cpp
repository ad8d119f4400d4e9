#include "core/cli/importinput.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tessaron {

ImportInput::ImportInput(int fd) : m_fd(fd), m_buffer(std::make_unique<char[]>(kBlock)) {}

ImportInput::Read ImportInput::readMore()
{
    if (m_begin > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin, m_end - m_begin);
        m_end -= m_begin;
        m_begin = 0;
    }
    if (m_end == kBlock)
        return Read::More; // full already: the reader takes before it asks again
    const ssize_t got = ::read(m_fd, m_buffer.get() + m_end, kBlock - m_end);
    if (got < 0) {
        if (errno == EINTR)
            return Read::Interrupted;
        m_errno = errno;
        return Read::Failed;
    }
    if (got == 0)
        return Read::End;
    m_end += std::size_t(got);
    return Read::More;
}

ImportInput::Read ImportInput::fill(std::size_t bytes)
{
    while (m_end - m_begin < bytes && m_end - m_begin < kBlock) {
        const Read read = readMore();
        if (read != Read::More)
            return read;
    }
    return Read::More;
}

} // namespace tessaron
