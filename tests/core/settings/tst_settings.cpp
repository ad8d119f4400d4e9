#include "core/settings/filelocations.h"
#include "core/settings/ini.h"
#include "core/settings/startup.h"
#include "support/datafolders.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace tessaron;

namespace {

// False when the file could not be written whole: the test that asked stops there.
[[nodiscard]] bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.flush();
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void startLanguage_data();
    void startLanguage();
    void unreadableFilesMeanSpanish();
    void readerAndWriterRefuseAFileInTheSameWords_data();
    void readerAndWriterRefuseAFileInTheSameWords();
    void profileRules_data();
    void profileRules();
    void writeCreatesFileSectionAndKey();
    void writeKeepsEveryOtherLine();
    void whatIsWrittenIsReadBack_data();
    void whatIsWrittenIsReadBack();
    void writeFailsClearly();
    void writeKeepsTheFileEncoding_data();
    void writeKeepsTheFileEncoding();
    void writeKeepsRandomBytes();
    void languageOptionSaysWhyItCannotWrite_data();
    void languageOptionSaysWhyItCannotWrite();
    void settingsPathFollowsXdg();
    void storeAndHelpAreFound();
    void languageOption();
};

void TestSettings::startLanguage_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("english");
    QTest::newRow("Angles") << QByteArray("[Idioma]\nInici=Angles\n") << true;
    QTest::newRow("CRLF, other sections first")
        << QByteArray("[Other]\r\nInici=Espanyol\r\n[Idioma]\r\nInici=Angles\r\n") << true;
    QTest::newRow("names in other case, blanks")
        << QByteArray("[ idioma ]\n  INICI =  Angles  \n") << true;
    QTest::newRow("quoted") << QByteArray("[Idioma]\nInici=\"Angles\"\n") << true;
    QTest::newRow("Espanyol") << QByteArray("[Idioma]\nInici=Espanyol\n") << false;
    QTest::newRow("angles") << QByteArray("[Idioma]\nInici=angles\n") << false;
    QTest::newRow("ANGLES") << QByteArray("[Idioma]\nInici=ANGLES\n") << false;
    QTest::newRow("empty value") << QByteArray("[Idioma]\nInici=\n") << false;
    QTest::newRow("other text") << QByteArray("[Idioma]\nInici=English\n") << false;
    QTest::newRow("Angles with more") << QByteArray("[Idioma]\nInici=Angles2\n") << false;
    QTest::newRow("missing key") << QByteArray("[Idioma]\nOther=Angles\n") << false;
    QTest::newRow("missing section") << QByteArray("Inici=Angles\n") << false;
    QTest::newRow("section and key swapped") << QByteArray("[Inici]\nIdioma=Angles\n") << false;
    QTest::newRow("commented out") << QByteArray("[Idioma]\n;Inici=Angles\n") << false;
    QTest::newRow("key in a later section")
        << QByteArray("[Idioma]\n[Other]\nInici=Angles\n") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void TestSettings::startLanguage()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, english);
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    QVERIFY(writeFile(path, contents));
    QCOMPARE(tessaron::startLanguage(path), english ? Lang::English : Lang::Spanish);
    QCOMPARE(readFile(path), contents); // reading never changes the file
}

void TestSettings::unreadableFilesMeanSpanish()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("tessaron.ini");
    QCOMPARE(tessaron::startLanguage(missing), Lang::Spanish);
    QVERIFY(!QFile::exists(missing)); // reading never creates it

    QVERIFY(QDir(dir.path()).mkdir("tessaron.ini")); // a directory in its place
    QCOMPARE(tessaron::startLanguage(missing), Lang::Spanish);

    const QString garbage = dir.filePath("garbage.ini");
    QByteArray bytes;
    for (int i = 0; i < 4096; ++i)
        bytes += char((i * 131 + 7) % 256);
    QVERIFY(writeFile(garbage, bytes + "\n[Idioma]\nInici=Angles\n" + bytes));
    QCOMPARE(LlegirIni("Idioma", "Inici", garbage), QStringLiteral("Angles")); // lines still read

    const QString huge = dir.filePath("huge.ini");
    QVERIFY(writeFile(huge, "[Idioma]\nInici=Angles\n" + QByteArray(8 * 1024 * 1024, 'x')));
    QCOMPARE(tessaron::startLanguage(huge), Lang::Spanish);
}

void TestSettings::readerAndWriterRefuseAFileInTheSameWords_data()
{
    QTest::addColumn<QString>("stands"); // what stands at the settings file's path
    QTest::addColumn<QString>("reason"); // how the reason begins; empty: no problem
    QTest::newRow("nothing") << "nothing"
                             << "";
    QTest::newRow("a directory") << "directory"
                                 << "it is a directory";
    QTest::newRow("too large") << "large"
                               << "it is larger than";
    QTest::newRow("a loop of links") << "loop"
                                     << "it is a link that leads back to itself";
    QTest::newRow("a link to nothing") << "dangling"
                                       << "it is a link to ";
    QTest::newRow("UTF-16 without a byte-order mark")
        << "utf16"
        << "it looks like UTF-16 without a byte-order mark";
    QTest::newRow("big-endian UTF-16 without a byte-order mark")
        << "utf16be"
        << "it looks like UTF-16 without a byte-order mark";
}

// A file the reader cannot read is said to be so at start, and the writer refuses
// it in the same words, leaving it as it was: never a file in two encodings.
void TestSettings::readerAndWriterRefuseAFileInTheSameWords()
{
    QFETCH(QString, stands);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    if (stands == "directory")
        QVERIFY(QDir(dir.path()).mkdir("tessaron.ini"));
    else if (stands == "large")
        QVERIFY(writeFile(path, "[Idioma]\nInici=Angles\n" + QByteArray(2 * 1024 * 1024, ';')));
    else if (stands == "loop")
        QVERIFY(QFile::link("tessaron.ini", path));
    else if (stands == "dangling")
        QVERIFY(QFile::link(dir.filePath("stick/tessaron.ini"), path));
    else if (stands == "utf16")
        QVERIFY(writeFile(path, QByteArray("[\0I\0d\0i\0o\0m\0a\0]\0\n\0I\0n\0i\0c\0i\0=\0A\0n\0"
                                           "g\0l\0e\0s\0\n\0",
                                           44)));
    else if (stands == "utf16be")
        QVERIFY(writeFile(path, QByteArray("\0[\0I\0d\0i\0o\0m\0a\0]\0\n", 18)));
    const QByteArray before = readFile(path);

    QString problem;
    QCOMPARE(tessaron::startLanguage(path, &problem), Lang::Spanish);
    QVERIFY2(reason.isEmpty() ? problem.isEmpty() : problem.startsWith(reason),
             qPrintable(problem));
    QString why;
    QCOMPARE(EscriureIni("Idioma", "Inici", "Angles", path, &why), reason.isEmpty());
    if (reason.isEmpty()) {
        QCOMPARE(tessaron::startLanguage(path), Lang::English);
    } else {
        QCOMPARE(why, problem);
        QCOMPARE(readFile(path), before);
    }
}

void TestSettings::profileRules_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("value");
    QTest::newRow("value cut to 254") << "[S]\nK=" + QByteArray(300, 'v') + "\n"
                                      << QString(254, u'v');
    QTest::newRow("single quotes") << QByteArray("[S]\nK='a b'\n") << "a b";
    QTest::newRow("unmatched quote kept") << QByteArray("[S]\nK=\"a\n") << "\"a";
    QTest::newRow("first of two sections") << QByteArray("[S]\nK=1\n[S]\nK=2\n") << "1";
    QTest::newRow("equals in value") << QByteArray("[S]\nK=a=b\n") << "a=b";
    QTest::newRow("UTF-8 value") << QByteArray("[S]\nK=Espa\xc3\xb1ol\n") << "Español";
}

void TestSettings::profileRules()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, value);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath("t.ini"), contents));
    QCOMPARE(LlegirIni("s", "k", dir.filePath("t.ini")), value);
}

void TestSettings::writeCreatesFileSectionAndKey()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sub/dir/tessaron.ini");
    QVERIFY(EscriureIni("Idioma", "Inici", "Angles", path));
    QCOMPARE(readFile(path), QByteArray("[Idioma]\nInici=Angles\n"));
    QCOMPARE(tessaron::startLanguage(path), Lang::English);
    QVERIFY(EscriureIni("Idioma", "Inici", "Espanyol", path));
    QCOMPARE(readFile(path), QByteArray("[Idioma]\nInici=Espanyol\n"));
    QVERIFY(EscriureIni("Idioma", "Otra", "x", path));
    QVERIFY(EscriureIni("Nueva", "Clave", "y", path));
    QCOMPARE(readFile(path), QByteArray("[Idioma]\nInici=Espanyol\nOtra=x\n\n[Nueva]\nClave=y\n"));
    QCOMPARE(LlegirIni("nueva", "clave", path), QStringLiteral("y"));
}

void TestSettings::writeKeepsEveryOtherLine()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    const QByteArray before = "; my settings\r\n[Window]\r\nLeft=10\r\n\r\n[idioma]\r\n; why\r\n"
                              "  inici = Espanyol \r\nOther=keep\r\n\r\n[Tail]\r\nX=1\r\n";
    QVERIFY(writeFile(path, before));
    QVERIFY(EscriureIni("Idioma", "Inici", "Angles", path));
    QByteArray expected = before;
    expected.replace("  inici = Espanyol ", "Inici=Angles");
    QCOMPARE(readFile(path), expected);
    // Nothing but the new file remains: no temporary file is left beside it.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"tessaron.ini"});
}

// Every file the reader's table holds, written both ways, reads back as written: a
// key put where the reader does not look (a later section, a line of another case
// it skips) would be a language set but never used.
void TestSettings::whatIsWrittenIsReadBack_data()
{
    startLanguage_data();
}

void TestSettings::whatIsWrittenIsReadBack()
{
    QFETCH(QByteArray, contents);
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    QVERIFY(writeFile(path, contents));
    for (const Lang lang : {Lang::English, Lang::Spanish, Lang::English}) {
        QVERIFY(EscriureIni("Idioma", "Inici", languageSetting(lang), path));
        QCOMPARE(tessaron::startLanguage(path), lang);
    }
    // Only the one line was written: every other line of the file is still there.
    const QByteArray after = readFile(path);
    for (const QByteArray &line : contents.split('\n')) {
        if (!line.trimmed().toLower().startsWith("inici"))
            QVERIFY2(after.contains(line), line.constData());
    }
}

void TestSettings::writeFailsClearly()
{
    QTemporaryDir dir;
    // Root can write anywhere, so make failures that hold for root too.
    QVERIFY(QDir(dir.path()).mkdir("adir"));
    QVERIFY(!EscriureIni("Idioma", "Inici", "Angles", dir.filePath("adir")));
    QVERIFY(writeFile(dir.filePath("afile"), "not a directory"));
    QVERIFY(!EscriureIni("Idioma", "Inici", "Angles", dir.filePath("afile/tessaron.ini")));
    // A value that would add a line, or names that would change the file's shape.
    const QString path = dir.filePath("t.ini");
    QVERIFY(!EscriureIni("Idioma", "Inici", "Angles\n[Idioma]", path));
    QVERIFY(!EscriureIni("Idi]oma", "Inici", "x", path));
    QVERIFY(!EscriureIni("Idioma", "In=ici", "x", path));
    QVERIFY(!QFile::exists(path));
    // A file too large to be read is never overwritten.
    const QString huge = dir.filePath("huge.ini");
    const QByteArray big(3 * 1024 * 1024, 'x');
    QVERIFY(writeFile(huge, big));
    QVERIFY(!EscriureIni("Idioma", "Inici", "Angles", huge));
    QCOMPARE(readFile(huge).size(), big.size());
}

namespace {

QByteArray utf16(const QString &text, bool littleEndian)
{
    QByteArray bytes = littleEndian ? QByteArray("\xFF\xFE") : QByteArray("\xFE\xFF");
    for (QChar c : text) {
        const char low = char(c.unicode() & 0xFF);
        const char high = char(c.unicode() >> 8);
        bytes.append(littleEndian ? low : high);
        bytes.append(littleEndian ? high : low);
    }
    return bytes;
}

} // namespace

void TestSettings::writeKeepsTheFileEncoding_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    // How the settings file stands: the file itself, or a link to one elsewhere
    // (kept with the user's other settings, say), or a link to such a link.
    QTest::addColumn<int>("links");
    QTest::newRow("Latin-1 comment")
        << QByteArray("; configuraci\xf3n\n[Idioma]\nInici=Espanyol\n")
        << QByteArray("; configuraci\xf3n\n[Idioma]\nInici=Angles\n") << 0;
    QTest::newRow("UTF-8 with a byte-order mark")
        << QByteArray("\xEF\xBB\xBF[Idioma]\nInici=Espanyol\n; configuraci\xc3\xb3n\n")
        << QByteArray("\xEF\xBB\xBF[Idioma]\nInici=Angles\n; configuraci\xc3\xb3n\n") << 0;
    QTest::newRow("UTF-16 little-endian")
        << utf16("[Idioma]\r\nInici=Espanyol\r\n; configuración\r\n", true)
        << utf16("[Idioma]\r\nInici=Angles\r\n; configuración\r\n", true) << 0;
    QTest::newRow("UTF-16 big-endian, section added")
        << utf16("; configuración\r\n", false)
        << utf16("; configuración\r\n\r\n[Idioma]\r\nInici=Angles\r\n", false) << 0;
    QTest::newRow("no line feed at the end")
        << QByteArray("[Idioma]\nInici=Espanyol") << QByteArray("[Idioma]\nInici=Angles") << 0;
    QTest::newRow("section added after a last line without a line feed")
        << QByteArray("[Other]\nX=1") << QByteArray("[Other]\nX=1\n\n[Idioma]\nInici=Angles\n")
        << 0;
    QTest::newRow("UTF-16 little-endian, odd length")
        << utf16("[Idioma]\r\nInici=Espanyol\r\n", true) + '\x7f'
        << utf16("[Idioma]\r\nInici=Angles\r\n", true) + '\x7f' << 0;
    QTest::newRow("UTF-16 big-endian, odd length, section added")
        << utf16("; configuración\r\n", false) + '\0'
        << utf16("; configuración\r\n\r\n[Idioma]\r\nInici=Angles\r\n", false) + '\0' << 0;
    QTest::newRow("a link to the file")
        << QByteArray("[Idioma]\nInici=Espanyol\n") << QByteArray("[Idioma]\nInici=Angles\n") << 1;
    QTest::newRow("a link to a link to a UTF-16 file")
        << utf16("[Idioma]\r\nInici=Espanyol\r\n", true)
        << utf16("[Idioma]\r\nInici=Angles\r\n", true) << 2;
}

void TestSettings::writeKeepsTheFileEncoding()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(int, links);
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    // The file itself stands in a folder of its own; each link names the next by a
    // relative path.
    QVERIFY(QDir(dir.path()).mkdir("kept"));
    const QString file = links == 0 ? path : dir.filePath("kept/tessaron.ini");
    QVERIFY(writeFile(file, before));
    QStringList chain{path};
    for (int i = 1; i < links; ++i)
        chain << dir.filePath(QStringLiteral("link%1.ini").arg(i));
    for (int i = 0; i < links; ++i) {
        const QString next = i + 1 < links ? QFileInfo(chain[i + 1]).fileName()
                                           : QStringLiteral("kept/tessaron.ini");
        QVERIFY(QFile::link(next, chain[i]));
    }
    QCOMPARE(tessaron::startLanguage(path), Lang::Spanish);
    QVERIFY(EscriureIni("Idioma", "Inici", "Angles", path));
    QCOMPARE(readFile(file), after);
    // Every link is still a link, and leads where it led.
    for (int i = 0; i < links; ++i)
        QVERIFY2(QFileInfo(chain[i]).isSymLink(), qPrintable(chain[i]));
    if (links > 0)
        QCOMPARE(QFileInfo(path).canonicalFilePath(), QFileInfo(file).canonicalFilePath());
    QCOMPARE(readFile(path), after);
    QCOMPARE(tessaron::startLanguage(path), Lang::English);
}

void TestSettings::writeKeepsRandomBytes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("tessaron.ini");
    QRandomGenerator random(4600);
    QByteArray before(4600, '\0');
    for (char &c : before)
        c = char(random.bounded(256));
    QVERIFY(writeFile(path, before));
    QVERIFY(EscriureIni("Idioma", "Inici", "Angles", path));
    const QByteArray after = readFile(path);
    QVERIFY(after.startsWith(before));
    QVERIFY2(after.size() - before.size() <= 30, qPrintable(QString::number(after.size())));
    QCOMPARE(LlegirIni("Idioma", "Inici", path), QStringLiteral("Angles"));

    // A character Latin-1 cannot hold is refused rather than written in another encoding.
    QString why;
    QVERIFY(!EscriureIni("Idioma", "Otra", "\u0107", path, &why));
    QVERIFY(why.contains("Latin-1"));
    QCOMPARE(readFile(path), after);
}

void TestSettings::languageOptionSaysWhyItCannotWrite_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a directory") << "directory"
                                 << "it is a directory";
    QTest::newRow("too large") << "large"
                               << "larger than";
    QTest::newRow("its folder is a file") << "folder"
                                          << "cannot be made";
}

void TestSettings::languageOptionSaysWhyItCannotWrite()
{
    QFETCH(QString, fault);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString config = dir.path();
    if (fault == "directory") {
        QVERIFY(QDir(dir.path()).mkdir("tessaron.ini"));
    } else if (fault == "large") {
        QVERIFY(writeFile(dir.filePath("tessaron.ini"), QByteArray(2 * 1024 * 1024, ';')));
    } else {
        QVERIFY(writeFile(dir.filePath("plain"), "a file"));
        config = dir.filePath("plain/config");
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("TESSARON_BINARY"), {"--language", "english"});
    QVERIFY(p.waitForFinished(20000));
    QCOMPARE(p.exitCode(), 1);
    const QString err = QString::fromUtf8(p.readAllStandardError());
    QVERIFY2(err.contains(QDir(config).filePath("tessaron.ini")), qPrintable(err));
    QVERIFY2(err.contains(reason), qPrintable(err));
}

void TestSettings::storeAndHelpAreFound()
{
    // An installation: prefix/bin with the program, prefix/share/tessaron with the
    // help files and the empty store.
    PrivateDataFolders data;
    QTemporaryDir prefix;
    const QString bin = prefix.filePath("bin");
    const QString share = prefix.filePath("share/tessaron");
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(share));
    QVERIFY(writeFile(share + "/TESSARON.MDB", "the empty store"));
    QVERIFY(writeFile(share + "/help.hlp", "help"));

    // The first time, the user's store is made from the template...
    const StoreLocation first = findOrMakeStoreFromTemplate(bin);
    QCOMPARE(first.path, data.userStore());
    QVERIFY(first.missingTemplate.isEmpty());
    QCOMPARE(readFile(first.path), QByteArray("the empty store"));
    // ... and never again: what the user saved stays.
    QVERIFY(writeFile(first.path, "the user's favourites"));
    QVERIFY(writeFile(share + "/TESSARON.MDB", "a newer empty store"));
    QCOMPARE(findOrMakeStoreFromTemplate(bin).path, data.userStore());
    QCOMPARE(readFile(data.userStore()), QByteArray("the user's favourites"));
    // A store beside the program is the one used.
    QVERIFY(writeFile(bin + "/TESSARON.MDB", "a copy run from one folder"));
    QCOMPARE(findOrMakeStoreFromTemplate(bin).path, bin + "/TESSARON.MDB");

    // Help beside the program first, then the installed one.
    QCOMPARE(locateHelpFile(bin, "help.hlp"), QDir::cleanPath(share + "/help.hlp"));
    QVERIFY(writeFile(bin + "/help.hlp", "beside"));
    QCOMPARE(locateHelpFile(bin, "help.hlp"), bin + "/help.hlp");

    // Nothing anywhere: the user's path, and the template's for the message.
    PrivateDataFolders empty;
    QTemporaryDir bare;
    const StoreLocation none = findOrMakeStoreFromTemplate(bare.path());
    QCOMPARE(none.path, empty.userStore());
    QVERIFY(none.missingTemplate.endsWith("share/tessaron/TESSARON.MDB"));
    QVERIFY(!QFile::exists(empty.userStore()));
    // Asked only where it is (an export), the user's store is not made.
    QVERIFY(QFile::remove(bin + "/TESSARON.MDB"));
    QCOMPARE(findStore(bin).path, empty.userStore());
    QVERIFY(!QFile::exists(empty.userStore()));
}

void TestSettings::settingsPathFollowsXdg()
{
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toLocal8Bit());
    QCOMPARE(settingsFilePath(), dir.filePath("tessaron.ini"));
    qputenv("XDG_CONFIG_HOME", "");
    QCOMPARE(settingsFilePath(), QDir::homePath() + "/.config/tessaron.ini");
}

void TestSettings::languageOption()
{
    QTemporaryDir dir;
    auto run = [&](const QStringList &args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", dir.path());
        p.setProcessEnvironment(env);
        p.start(qEnvironmentVariable("TESSARON_BINARY"), args);
        if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit)
            return -1;
        return p.exitCode();
    };
    const QString path = dir.filePath("tessaron.ini");
    QCOMPARE(run({"--language", "english"}), 0);
    QCOMPARE(tessaron::startLanguage(path), Lang::English);
    QCOMPARE(run({"--language", "spanish"}), 0);
    QCOMPARE(LlegirIni("Idioma", "Inici", path), QStringLiteral("Espanyol"));
    QCOMPARE(run({"--language", "Angles"}), 2);
    QCOMPARE(run({"--language"}), 2);
    QCOMPARE(LlegirIni("Idioma", "Inici", path), QStringLiteral("Espanyol"));
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
