// fmbattle: the battle editor. The program folder is the current directory at start.
#include "TMainForm.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Field Mark"));
    TMainForm window(QDir::currentPath());
    window.show();
    return app.exec();
}
