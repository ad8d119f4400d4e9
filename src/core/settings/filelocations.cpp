#include "core/settings/filelocations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <filesystem>
#include <system_error>

namespace tessaron {

namespace {

// The installed data folders, the one beside the program's bin/ first.
QStringList dataFolders(const QString &programDir)
{
    QStringList folders{QDir(programDir).filePath(QStringLiteral("../share/tessaron"))};
    const QString userFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    for (const QString &folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        if (folder != userFolder)
            folders << QDir(folder).filePath(QStringLiteral("tessaron"));
    }
    return folders;
}

QString firstExisting(const QStringList &folders, const QString &fileName)
{
    for (const QString &folder : folders) {
        const QString path = QDir::cleanPath(QDir(folder).filePath(fileName));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace

namespace {

// Whether an entry stands at `path`: a file, or anything else by that name, a link
// that leads nowhere included. Such an entry is the store it names, and opening it
// says why it cannot be used; another store is never put in its place.
bool entryStandsAt(const QString &path)
{
    const QFileInfo entry(path);
    return entry.exists() || entry.isSymLink();
}

} // namespace

namespace {

StoreLocation locateStore(const QString &programDir, bool makeFromTemplate)
{
    const QString store = QString::fromLatin1(kStoreFileName);
    const QString beside = QDir(programDir).filePath(store);
    if (entryStandsAt(beside))
        return {beside, {}, {}};
    const QString userFolder =
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("tessaron"));
    const QString own = QDir(userFolder).filePath(store);
    if (entryStandsAt(own))
        return {own, {}, {}};
    const QStringList folders = dataFolders(programDir);
    const QString storeTemplate = firstExisting(folders, store);
    if (storeTemplate.isEmpty())
        return {own, QDir::cleanPath(QDir(folders.first()).filePath(store)), {}};
    if (!makeFromTemplate)
        return {own, {}, {}};
    std::error_code made;
    std::filesystem::create_directories(QFile::encodeName(userFolder).toStdString(), made);
    if (made)
        return {
            own, {}, userFolder + QStringLiteral(": ") + QString::fromStdString(made.message())};
    QFile source(storeTemplate);
    if (!source.copy(own))
        return {own, {}, own + QStringLiteral(": ") + source.errorString()};
    QFile::setPermissions(own, QFile::ReadOwner | QFile::WriteOwner);
    return {own, {}, {}};
}

} // namespace

StoreLocation findStore(const QString &programDir)
{
    return locateStore(programDir, false);
}

StoreLocation findOrMakeStoreFromTemplate(const QString &programDir)
{
    return locateStore(programDir, true);
}

QString locateHelpFile(const QString &programDir, const QString &fileName)
{
    const QString beside = QDir(programDir).filePath(fileName);
    if (QFileInfo(beside).isFile())
        return beside;
    const QString installed = firstExisting(dataFolders(programDir), fileName);
    return installed.isEmpty() ? beside : installed;
}

} // namespace tessaron
