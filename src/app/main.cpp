#include <QApplication>
#include <QMainWindow>

#include "platform/ProcessExit.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vexmora");
    QMainWindow window;
    window.setWindowTitle("Vexmora");
    window.resize(490, 442);
    window.show();
    const int status = QApplication::exec();
    EndProcess(status);
}
