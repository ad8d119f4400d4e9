// A widget use of the kind the core library must never make. Core sees only Qt
// Core's and Qt Sql's headers, so the include names the module's folder, as a
// careless include could.
#include <QtWidgets/QWidget>

int main()
{
    QWidget window;
    return window.isVisible() ? 1 : 0;
}
