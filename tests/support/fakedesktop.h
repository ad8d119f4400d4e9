#pragma once

#include "core/desktop.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Records what the program asked of the desktop; opens nothing.
class FakeDesktop : public tessaron::Desktop {
public:
    struct Launch {
        QString program;
        QString address;
        friend bool operator==(const Launch &, const Launch &) = default;
    };
    struct Help {
        QString file;
        tessaron::HelpCommand command;
        int data;
    };

    QStringList messages;
    QStringList questions;
    QList<Launch> launches;
    QStringList opened;
    QList<Help> helps;
    QList<std::pair<QObject *, bool>> inFront;
    bool answer = true;
    // Run while a message or a question is "open", so a test can look at the
    // window, or change the world, then.
    std::function<void(const QString &)> onMessage;
    std::function<void()> onQuestion;

    void message(QObject *, const QString &text) override
    {
        messages << text;
        if (onMessage)
            onMessage(text);
    }
    bool question(QObject *, const QString &text) override
    {
        questions << text;
        if (onQuestion)
            onQuestion();
        return answer;
    }
    bool startBrowser(const QString &program, const QString &address) override
    {
        launches.append({program, address});
        return true;
    }
    bool openAddress(const QString &address) override
    {
        opened << address;
        return true;
    }
    void help(QObject *, const QString &file, tessaron::HelpCommand command, int data) override
    {
        helps.append({file, command, data});
    }
    void keepInFront(QObject *window, bool front) override { inFront.append({window, front}); }

    // Each printed page is drawn into a PDF file of its own when `pageFolder` is set.
    QString pageFolder;
    tessaron::PrintResult printResult = tessaron::PrintResult::Printed;
    QString printer = QStringLiteral("Queue");
    tessaron::PdfOutcome saveOutcome;
    QStringList printed; // document names
    QStringList savedAs; // suggested names
    QStringList pages;   // the PDF files drawn
    // The fault reports of the pages sent, for a test to call as a queue would.
    QList<tessaron::JobFaultReport> followed;

    tessaron::PrintOutcome printPage(QObject *, const QString &documentName,
                                     const tessaron::PageDrawer &draw,
                                     const tessaron::JobFaultReport &onFault) override
    {
        printed << documentName;
        if (printResult == tessaron::PrintResult::Printed) {
            drawPage(draw);
            followed << onFault;
        }
        return {printResult, printer};
    }
    tessaron::PdfOutcome savePageAsPdf(QObject *, const QString &suggestedName,
                                       const tessaron::PageDrawer &draw) override
    {
        savedAs << suggestedName;
        if (saveOutcome.result == tessaron::SaveResult::Saved)
            drawPage(draw);
        return saveOutcome;
    }

private:
    void drawPage(const tessaron::PageDrawer &draw)
    {
        if (pageFolder.isEmpty() || !pageDrawing)
            return;
        const QString path = pageFolder + QStringLiteral("/page%1.pdf").arg(pages.size() + 1);
        pageDrawing(path, draw);
        pages << path;
    }

public:
    // Set by tests that link the windows: draws a page into a PDF file.
    std::function<void(const QString &path, const tessaron::PageDrawer &draw)> pageDrawing;
};
