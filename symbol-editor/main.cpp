// fmsymbol: the Fieldmark symbol editor. The program folder is the current directory.
#include "TForm1.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1::SetUpApplication();
    TForm1 window;
    window.SetUp(QDir::currentPath());
    window.show();
    QTimer::singleShot(0, &window, &TForm1::StartUpQuestions);
    return app.exec();
}
