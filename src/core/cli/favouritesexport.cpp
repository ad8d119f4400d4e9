#include "core/cli/favouritesexport.h"

#include "core/favourites/favouritescursor.h"

#include <QTextStream>

#include <array>

namespace tessaron {

namespace {

// A CSV field, quoted when it holds a separator, a quote or a line break.
QString csvField(const QString &text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') &&
        !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + quoted + u'"';
}

void writeCsv(FavouritesCursor &cursor, QTextStream &out)
{
    out << "address,name,family\r\n";
    cursor.forEachRow([&out](const QString &name, const QString &family, const QString &address) {
        out << csvField(address) << ',' << csvField(name) << ',' << csvField(family) << "\r\n";
    });
}

struct FamilyFolder {
    const char *letter; // empty: the rows of any other family
    const char *title;
};

constexpr std::array<FamilyFolder, 5> kFolders{{
    {"r", "four sides"},
    {"c", "circle or ellipse"},
    {"t", "three sides"},
    {"p", "more than four sides"},
    {"", "other figures"},
}};

void writeHtml(FavouritesCursor &cursor, QTextStream &out)
{
    out << "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
           "<!-- Tessaron's favourites, one folder for each figure family. -->\n"
           "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
           "<TITLE>Tessaron</TITLE>\n"
           "<H1>Tessaron</H1>\n"
           "<DL><p>\n";
    for (const FamilyFolder &folder : kFolders) {
        const QString title = QString::fromLatin1(folder.title);
        bool opened = false;
        cursor.forEachRowOfFamily(
            QString::fromLatin1(folder.letter),
            [&](const QString &name, const QString &family, const QString &address) {
                if (!opened) {
                    out << "    <DT><H3>Tessaron: " << title.toHtmlEscaped() << "</H3>\n"
                        << "    <DL><p>\n";
                    opened = true;
                }
                const QString label = folder.letter[0] != '\0' ? title : family;
                out << "        <DT><A HREF=\"" << address.toHtmlEscaped() << "\">"
                    << (name + QStringLiteral(" (") + label + u')').toHtmlEscaped() << "</A>\n";
            });
        if (opened)
            out << "    </DL><p>\n";
    }
    out << "</DL><p>\n";
}

} // namespace

int exportFavourites(ExportFormat format, const QString &storePath, QTextStream &out,
                     QTextStream &err)
{
    FavouritesCursor cursor;
    try {
        cursor.open(storePath);
        if (format == ExportFormat::Csv)
            writeCsv(cursor, out);
        else
            writeHtml(cursor, out);
    } catch (const StoreError &error) {
        out.flush();
        err << "tessaron: the favourites cannot be read: " << error.message() << '\n';
        err.flush();
        return 1;
    }
    out.flush();
    return 0;
}

} // namespace tessaron
