// The floor for `tessaron --codes -`: reads names one a line and writes the same
// four lines per name, with one fixed code instead of the computed ones, through
// a reused buffer. Whatever `--codes -` costs beyond this is the coding itself.
#include <cstring>
#include <string>
#include <unistd.h>

int main()
{
    static char input[64 * 1024];
    std::string out;
    out.reserve(256 * 1024);
    std::string line;
    const auto emit = [&out](const std::string &name) {
        static const char letters[] = "rctp";
        for (int i = 0; i < 4; ++i) {
            out += letters[i];
            out += "\tabc\thttp://www.tessaron-";
            out += name;
            out += "-abc.com\n";
        }
        if (out.size() >= 64 * 1024) {
            if (::write(1, out.data(), out.size()) < 0)
                _exit(1);
            out.clear();
        }
    };
    for (;;) {
        const ssize_t got = ::read(0, input, sizeof input);
        if (got <= 0)
            break;
        const char *at = input;
        const char *end = input + got;
        while (at < end) {
            const char *feed = static_cast<const char *>(memchr(at, '\n', size_t(end - at)));
            if (!feed) {
                line.append(at, size_t(end - at));
                break;
            }
            line.append(at, size_t(feed - at));
            emit(line);
            line.clear();
            at = feed + 1;
        }
    }
    if (!line.empty())
        emit(line);
    if (!out.empty() && ::write(1, out.data(), out.size()) < 0)
        return 1;
    return 0;
}
