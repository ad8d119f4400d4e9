#pragma once

// The desktop and navigation of the benchmarks: every question is answered Yes,
// nothing is shown, and no other window opens.
#include "core/desktop.h"
#include "core/models/navigator.h"

#include <QString>

#include <cstdio>

namespace tessaron {

class QuietDesktop : public Desktop {
public:
    // With `sayMessages`, the messages go to standard error, so a store the
    // benchmark cannot open is seen.
    explicit QuietDesktop(bool sayMessages = false) : m_sayMessages(sayMessages) {}

    void message(QObject *, const QString &text) override
    {
        if (m_sayMessages)
            std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
    bool question(QObject *, const QString &) override { return true; }
    bool startBrowser(const QString &, const QString &) override { return true; }
    bool openAddress(const QString &) override { return true; }
    void help(QObject *, const QString &, HelpCommand, int) override {}
    void keepInFront(QObject *, bool) override {}
    PrintOutcome printPage(QObject *, const QString &, const PageDrawer &,
                           const JobFaultReport &) override
    {
        return {};
    }
    PdfOutcome savePageAsPdf(QObject *, const QString &, const PageDrawer &) override
    {
        return {SaveResult::Cancelled, {}, FileFault::None, {}};
    }

private:
    bool m_sayMessages;
};

class NoNavigator : public Navigator {
public:
    bool canShow(WindowKind) const override { return false; }
    bool show(WindowKind, Lang) override { return false; }
    void exitNow() override {}
};

} // namespace tessaron
