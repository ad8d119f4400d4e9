#include "systemdesktop.h"

#include "helpviewer.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tessaron {

namespace {

const QString kTitle = QStringLiteral("Tessaron");

} // namespace

SystemDesktop::~SystemDesktop()
{
    delete m_helpViewer;
}

void SystemDesktop::message(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent);
    box.exec();
}

bool SystemDesktop::question(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

bool SystemDesktop::startBrowser(const QString &program, const QString &address)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {address});
}

bool SystemDesktop::openAddress(const QString &address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

void SystemDesktop::help(QWidget *, const QString &helpFile, HelpCommand command, int data)
{
    // The viewer stands on its own, as a separate help program would: closing the
    // window that asked for help leaves it open.
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer;
    m_helpViewer->showHelp(helpFile, command, data);
}

void SystemDesktop::keepInFront(QWidget *window, bool inFront)
{
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, inFront);
    if (visible)
        window->show(); // changing the flags hides a window
}

} // namespace tessaron
