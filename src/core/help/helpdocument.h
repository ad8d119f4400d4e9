#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tessaron {

// A help file: one HTML document with an anchor per section and topic number,
// and its keywords as <meta name="tessaron-keyword" content="ANCHOR|keyword">.
class HelpDocument {
public:
    struct Keyword {
        QString text;
        QString anchor;
        friend bool operator==(const Keyword &, const Keyword &) = default;
    };

    // Reads the file; a file that cannot be read gives a document that is not
    // loaded, with the reason in errorString().
    [[nodiscard]] static HelpDocument load(const QString &path);

    [[nodiscard]] bool isLoaded() const { return m_loaded; }
    [[nodiscard]] const QString &path() const { return m_path; }
    [[nodiscard]] const QString &errorString() const { return m_error; }
    [[nodiscard]] const QString &html() const { return m_html; }
    [[nodiscard]] const QStringList &anchors() const { return m_anchors; }
    [[nodiscard]] bool hasAnchor(const QString &anchor) const { return m_anchors.contains(anchor); }
    // All keywords, sorted without regard to case.
    [[nodiscard]] const QList<Keyword> &keywords() const { return m_keywords; }
    // Keywords holding `partial` anywhere, letter case ignored; those that begin
    // with it come first. An empty text gives every keyword.
    [[nodiscard]] QList<Keyword> findKeywords(const QString &partial) const;

private:
    bool m_loaded = false;
    QString m_path;
    QString m_error;
    QString m_html;
    QStringList m_anchors;
    QList<Keyword> m_keywords;
};

} // namespace tessaron
