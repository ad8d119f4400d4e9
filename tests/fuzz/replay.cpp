// Runs a fuzz target on every input kept in its corpus, once, as an ordinary test:
// an input that once broke a promise (kept there when it was found) keeps being
// tried by every build, not only by the fuzzing runs that clang makes.
//     replay_TARGET FILE_OR_FOLDER...
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

bool replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                           std::size_t(bytes.size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString given = QFile::decodeName(argv[i]);
        if (!QFileInfo(given).isDir()) {
            if (!replay(given))
                return 1;
            ++inputs;
            continue;
        }
        QDirIterator files(given, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            if (!replay(files.next()))
                return 1;
            ++inputs;
        }
    }
    std::printf("%d inputs replayed\n", inputs);
    // No input at all would be a corpus lost, not a corpus passed.
    return inputs > 0 ? 0 : 1;
}
