// The floor for start-up time and memory: a bare Qt program that shows one label
// in a window of the About window's size, as Tessaron's first window is.
#include <QApplication>
#include <QLabel>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Tessaron"));
    label.setFixedSize(376, 390);
    label.show();
    return QApplication::exec();
}
