// Qt's own words (standard buttons, the save dialog and its question) in the
// language of the twin that opens the box, read back through the accessibility
// interfaces a screen reader's bridge reads, with both twins open at once.
#include "core/favourites/favouritescursor.h"
#include "gui/app/application.h"
#include "gui/systemdesktop.h"
#include "gui/widgets/fonts.h"
#include "support/datafolders.h"

#include <QAccessible>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tessaron;

namespace {

// Every name the accessibility tree of `widget` holds for its visible parts.
QStringList accessibleNames(QWidget *widget)
{
    QStringList names;
    std::function<void(QAccessibleInterface *)> walk = [&](QAccessibleInterface *a) {
        if (!a || a->state().invisible)
            return;
        const QString name = a->text(QAccessible::Name);
        if (!name.isEmpty())
            names << name;
        for (int i = 0; i < a->childCount(); ++i)
            walk(a->child(i));
    };
    walk(QAccessible::queryAccessibleInterface(widget));
    return names;
}

// Runs `step` on each modal box or dialog as it comes up, until `step` says done.
void onEachModal(const std::function<bool(QWidget *)> &step)
{
    auto *poll = new QTimer;
    auto seen = std::make_shared<QSet<QWidget *>>();
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || seen->contains(modal) || !modal->isVisible())
            return;
        seen->insert(modal);
        if (step(modal))
            poll->deleteLater();
    });
    poll->start(20);
}

// English words of Qt's that must not appear in a Spanish box or dialog.
const QStringList kQtEnglish{"OK",
                             "Yes",
                             "Cancel",
                             "Save",
                             "Look in:",
                             "File name:",
                             "Files of type:",
                             "Back",
                             "Forward",
                             "Parent Directory",
                             "Create New Folder",
                             "List View",
                             "Detail View",
                             "Size",
                             "Date Modified"};

} // namespace

class TestQtLanguage : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void standardWordsFollowTheTwin_data();
    void standardWordsFollowTheTwin();

private:
    PrivateDataFolders m_folders;
};

void TestQtLanguage::initTestCase()
{
    installFontSubstitutions();
    QVERIFY2(QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_es.qm"),
             "Qt's translations (qt6-translations-l10n) are not installed");
}

void TestQtLanguage::standardWordsFollowTheTwin_data()
{
    QTest::addColumn<int>("lang");
    QTest::addColumn<QString>("ask"); // message, question, or pdf (the dialog, then its question)
    QTest::addColumn<QStringList>("words");
    // Each row opens its box from one twin while the other twin's window is open
    // too, after a row of the other language: the language is the asking twin's.
    QTest::newRow("es message") << int(Lang::Spanish) << "message" << QStringList{"Aceptar"};
    QTest::newRow("en message") << int(Lang::English) << "message" << QStringList{"OK"};
    QTest::newRow("es question") << int(Lang::Spanish) << "question" << QStringList{"Sí", "No"};
    QTest::newRow("en question") << int(Lang::English) << "question" << QStringList{"Yes", "No"};
    QTest::newRow("es save dialog")
        << int(Lang::Spanish) << "pdf"
        << QStringList{"Ver en:",
                       "Nombre de fichero:",
                       "Ficheros de tipo:",
                       "Guardar",
                       "Cancelar",
                       "Crear nueva carpeta",
                       "El fichero Tessaron.pdf ya existe.\n¿Desea reemplazarlo?",
                       "Sí",
                       "No"};
    QTest::newRow("en save dialog")
        << int(Lang::English) << "pdf"
        << QStringList{"Look in:",
                       "File name:",
                       "Files of type:",
                       "Save",
                       "Cancel",
                       "Create New Folder",
                       "Tessaron.pdf already exists.\nDo you want to replace it?",
                       "Yes",
                       "No"};
    QTest::newRow("es message again") << int(Lang::Spanish) << "message" << QStringList{"Aceptar"};
}

void TestQtLanguage::standardWordsFollowTheTwin()
{
    QFETCH(int, lang);
    QFETCH(QString, ask);
    QFETCH(QStringList, words);
    QTemporaryDir programDir;
    QVERIFY(createEmptyStore(programDir.filePath("TESSARON.MDB")));
    QTemporaryDir home;
    QFile existing(home.filePath("Tessaron.pdf"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.close();
    SystemDesktop desktop;
    Application app(desktop, programDir.path());
    app.registry().show(WindowKind::Main, otherLang(Lang(lang)));
    app.registry().show(WindowKind::About, Lang(lang));
    QWidget *asking = app.registry().window(WindowKind::About, Lang(lang));
    QVERIFY(asking);

    QStringList seen;
    int boxes = 0;
    onEachModal([&](QWidget *modal) {
        ++boxes;
        seen += accessibleNames(modal);
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            seen << box->text();
            // The dialog's own question: No keeps the dialog, which is then left.
            box->button(box->buttons().size() > 1 ? QMessageBox::No : QMessageBox::Ok)->click();
            if (ask != "pdf")
                return true;
            QTimer::singleShot(50, [] {
                if (auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()))
                    dialog->reject();
            });
            return true;
        }
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            dialog->findChild<QLineEdit *>("fileNameEdit")->setText("Tessaron.pdf");
            // Pressed from the event loop: the dialog's question runs a loop of its own.
            QPushButton *save =
                dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save);
            QTimer::singleShot(0, save, &QPushButton::click);
        }
        return false;
    });
    qputenv("HOME", home.path().toLocal8Bit());
    if (ask == "message") {
        desktop.message(asking, "x");
    } else if (ask == "question") {
        QVERIFY(!desktop.question(asking, "x"));
    } else {
        const PdfOutcome outcome = desktop.savePageAsPdf(asking, "Tessaron.pdf", {});
        QCOMPARE(int(outcome.result), int(SaveResult::Cancelled));
    }
    QCOMPARE(boxes, ask == "pdf" ? 2 : 1);
    for (const QString &word : words)
        QVERIFY2(seen.contains(word), qPrintable(word + " not in: " + seen.join(" | ")));
    if (Lang(lang) == Lang::Spanish) {
        for (const QString &english : kQtEnglish)
            QVERIFY2(!seen.contains(english), qPrintable(english + " in: " + seen.join(" | ")));
    }
    app.registry().exitNow();
}

QTEST_MAIN(TestQtLanguage)
#include "tst_qtlanguage.moc"
