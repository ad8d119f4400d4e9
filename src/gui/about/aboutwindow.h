#pragma once

#include "core/models/aboutmodel.h"
#include "core/models/appcontext.h"
#include "core/texts/abouttexts.h"
#include "core/texts/lang.h"

#include <QWidget>

class QTimer;

namespace tessaron {

class ClickableLabel;

// The start-up screen and About box, built for one language: `frmAcerca_Cast`
// or `frmAcerca_Ang`. Whenever it closes it says so, and the application shows
// the main window of its language.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    AboutWindow(Lang lang, const AppContext &context);

    // The number of the frame shown last; 0 right after frame 18.
    [[nodiscard]] int conta() const { return m_model.conta(); }
    // The frame `Picture1` shows now (1..18).
    [[nodiscard]] int shownFrame() const { return m_shownFrame; }

    // The timers' work, callable without waiting for them.
    void Timer1_Timer();
    void Timer2_Timer();
    void Picture1_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectSignals();
    void load();
    void showFrame(int number);

    Lang m_lang;
    const AboutTexts &m_texts;
    AboutModel m_model;
    ClickableLabel *m_picture = nullptr;
    QTimer *m_closeTimer = nullptr;
    QTimer *m_animationTimer = nullptr;
    int m_shownFrame = 0;
};

} // namespace tessaron
