// fmsymbol: the Fieldmark symbol editor. The program folder is the current directory.
#include "TForm1.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Fieldmark Symbol Editor");
    QApplication::setApplicationDisplayName("Fieldmark Symbol Editor");
    TForm1 window;
    window.SetUp(QDir::currentPath());
    window.show();
    QTimer::singleShot(0, &window, &TForm1::FormShow);
    return app.exec();
}
