#pragma once

#include "core/desktop.h"
#include "core/help/helpdocument.h"
#include "core/texts/lang.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace tessaron {

// The program's help window: the contents, the keyword index searched by a
// partial word, or one topic by number. One window serves both languages: it
// speaks the language of the help file it shows.
class HelpViewer : public QWidget {
    Q_OBJECT
public:
    enum class View { Contents, Index, Topic, Missing };

    explicit HelpViewer(QWidget *parent = nullptr);

    void showHelp(const QString &helpFile, HelpCommand command, int topic, Lang lang);

    [[nodiscard]] View view() const { return m_view; }
    [[nodiscard]] QString anchor() const { return m_anchor; }

private:
    void createControls();
    void setLanguage(Lang lang);
    void load(const QString &helpFile, Lang lang);
    // Whether the section's first line is said to screen readers: when the user
    // chose it.
    enum class Say { Nothing, Section };
    // Shows the section at `anchor` at the top, with the caret at its start.
    void goTo(const QString &anchor, Say say = Say::Nothing);
    void fillIndex(const QString &partial);
    void openSelectedKeyword();
    void readSelectedKeyword();

    HelpDocument m_document;
    View m_view = View::Contents;
    QString m_anchor;
    QWidget *m_indexPane = nullptr;
    QLabel *m_indexLabel = nullptr;
    QLineEdit *m_search = nullptr;
    QListWidget *m_keywords = nullptr;
    QTextBrowser *m_browser = nullptr;
};

} // namespace tessaron
