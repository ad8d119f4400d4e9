#include "core/help/helpdocument.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace tessaron {

namespace {

// Help files are small; anything much larger is not one of ours.
constexpr qint64 kMaxHelpFileSize = 4 * 1024 * 1024;

QString decodeEntities(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&nbsp;"), QStringLiteral(" "));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

} // namespace

HelpDocument HelpDocument::load(const QString &path)
{
    HelpDocument document;
    document.m_path = path;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        document.m_error = file.errorString();
        return document;
    }
    if (file.size() > kMaxHelpFileSize) {
        document.m_error = QStringLiteral("the file is too large to be a help file");
        return document;
    }
    document.m_html = QString::fromUtf8(file.readAll());
    document.m_loaded = true;

    static const QRegularExpression anchor(QStringLiteral(R"re(<a\s+name="([^"]+)")re"),
                                           QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &m : anchor.globalMatch(document.m_html))
        document.m_anchors << m.captured(1);

    static const QRegularExpression keyword(
        QStringLiteral(R"re(<meta\s+name="tessaron-keyword"\s+content="([^"|]+)\|([^"]+)")re"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QRegularExpressionMatch &m : keyword.globalMatch(document.m_html))
        document.m_keywords.append({decodeEntities(m.captured(2)).trimmed(), m.captured(1)});
    std::stable_sort(document.m_keywords.begin(), document.m_keywords.end(),
                     [](const Keyword &a, const Keyword &b) {
                         return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
                     });
    return document;
}

QList<HelpDocument::Keyword> HelpDocument::findKeywords(const QString &partial) const
{
    const QString wanted = partial.trimmed();
    QList<Keyword> starting;
    QList<Keyword> containing;
    for (const Keyword &k : m_keywords) {
        if (k.text.startsWith(wanted, Qt::CaseInsensitive))
            starting << k;
        else if (k.text.contains(wanted, Qt::CaseInsensitive))
            containing << k;
    }
    return starting + containing;
}

} // namespace tessaron
