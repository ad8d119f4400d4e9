#pragma once

#include "core/desktop.h"

#include <QPointer>

namespace tessaron {

class HelpViewer;

// The Desktop of a running program: real message boxes, processes and help.
class SystemDesktop : public Desktop {
public:
    SystemDesktop() = default;
    ~SystemDesktop() override;

    void message(QObject *window, const QString &text) override;
    bool question(QObject *window, const QString &text) override;
    bool startBrowser(const QString &program, const QString &address) override;
    bool openAddress(const QString &address) override;
    void help(QObject *window, const QString &helpFile, HelpCommand command, int data) override;
    void keepInFront(QObject *window, bool inFront) override;
    PrintResult printPage(QObject *window, const QString &documentName,
                          const PageDrawer &draw) override;
    SaveResult savePageAsPdf(QObject *window, const QString &suggestedName,
                             const PageDrawer &draw) override;

private:
    QPointer<HelpViewer> m_helpViewer;
};

} // namespace tessaron
