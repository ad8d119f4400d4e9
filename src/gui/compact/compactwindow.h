#pragma once

#include "core/models/appcontext.h"
#include "core/texts/lang.h"

#include <QMainWindow>

#include <array>

class QCheckBox;
class QLineEdit;

namespace tessaron {

class ClickableLabel;
class CompactModel;

// The compact window, built for one language: `frmPeti_Cast` or `frmPeti_Ang`.
// The name box, four figure tags and a plain tag, the way back to the main
// window, and a switch that keeps the window in front.
class CompactWindow : public QMainWindow {
    Q_OBJECT
public:
    CompactWindow(Lang lang, const AppContext &context);

    // Whether this platform (or the one Qt names `platform`) can keep a window in
    // front of the others: the switch is shown only where it can.
    [[nodiscard]] static bool platformKeepsWindowsInFront();
    [[nodiscard]] static bool platformKeepsWindowsInFront(QStringView platform);

private:
    void createControls();
    void connectSignals();

    Lang m_lang;
    CompactModel *m_model;
    QLineEdit *m_nameBox = nullptr;
    QCheckBox *m_inFront = nullptr;
    ClickableLabel *m_plainTag = nullptr;
    std::array<ClickableLabel *, 4> m_tags{};
};

} // namespace tessaron
