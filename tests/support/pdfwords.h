#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStringList>

// The words of a PDF file as "word x y" with the top left of each in centimetres,
// then "pages N"; read with pdftotext -bbox (poppler-utils). Empty when the tool
// cannot run.
inline QStringList pdfWords(const QString &pdf)
{
    QProcess tool;
    tool.start("pdftotext", {"-bbox", pdf, "-"});
    if (!tool.waitForFinished(20000) || tool.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(tool.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re");
    QStringList words;
    for (const QRegularExpressionMatch &m : word.globalMatch(html))
        words << QStringLiteral("%1 %2 %3")
                     .arg(m.captured(3))
                     .arg(m.captured(1).toDouble() / 72 * 2.54, 0, 'f', 2)
                     .arg(m.captured(2).toDouble() / 72 * 2.54, 0, 'f', 2);
    words << QStringLiteral("pages %1").arg(html.count(QStringLiteral("<page ")));
    return words;
}
