// fmsymbol: the Fieldmark symbol editor. It works in the current directory when that is
// a program folder, otherwise in the user's own folder; a set file named on the command
// line is opened after the start-up questions.
#include "DialogPlacement.h"
#include "ProgramStart.h"
#include "TForm1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1::SetUpApplication();
    const ProgramStart start = PrepareProgramStart(QStringLiteral("usage: fmsymbol [SET.set]"));
    if (!start.proceed)
        return 2;
    TForm1 window;
    window.SetUp(start.folder.folder);
    window.openAtStart = start.openPath;
    window.show();
    if (!start.folder.copy.ok)
        ShowMessage(&window, QMessageBox::Warning, "Warning", start.folder.copy.error);
    QTimer::singleShot(0, &window, &TForm1::StartUpQuestions);
    return app.exec();
}
