#include "label/Module1.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Module1 state;
    const QStringList arguments = QApplication::arguments();
    state.startUp(QApplication::applicationDirPath(), arguments.value(1), QDir::currentPath());

    QMainWindow window;
    window.show();
    return QApplication::exec();
}
