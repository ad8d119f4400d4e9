#include "gui/systemdesktop.h"

#include "gui/help/helpviewer.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace tessaron {

namespace {

const QString kTitle = QStringLiteral("Tessaron");

// The window that asks, as the parent of a box; null for a box of its own.
QWidget *asWidget(QObject *window)
{
    auto *widget = qobject_cast<QWidget *>(window);
    return widget ? widget->window() : nullptr;
}

} // namespace

SystemDesktop::~SystemDesktop()
{
    delete m_helpViewer;
}

void SystemDesktop::message(QObject *window, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, asWidget(window));
    box.exec();
}

bool SystemDesktop::question(QObject *window, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No,
                    asWidget(window));
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

void SystemDesktop::help(QObject *, const QString &helpFile, HelpCommand command, int data)
{
    // The viewer stands on its own, as a separate help program would: closing the
    // window that asked for help leaves it open.
    if (!m_helpViewer)
        m_helpViewer = new HelpViewer;
    m_helpViewer->showHelp(helpFile, command, data);
}

void SystemDesktop::keepInFront(QObject *object, bool inFront)
{
    QWidget *window = asWidget(object);
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, inFront);
    if (visible)
        window->show(); // changing the flags hides a window
}

} // namespace tessaron
