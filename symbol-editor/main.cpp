// fmsymbol: the Fieldmark symbol editor. A program lying in a program folder works in the
// current directory (or its own folder); an installed one in the user's own folder. A set
// file named on the command line is opened after the start-up questions.
#include "DialogPlacement.h"
#include "ProgramStart.h"
#include "StartArguments.h"
#include "TForm1.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace {

const ProgramHelp kHelp = {
    QStringLiteral("fmsymbol"), QStringLiteral("usage: fmsymbol [SET.set]"),
    QStringLiteral("The Fieldmark symbol editor: draws the symbol sets battles are drawn with.\n"
                   "SET.set is opened once the start-up questions are answered.\n")};

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerBeforeStart(argc, argv, kHelp))
        return *status;
    QApplication app(argc, argv);
    TForm1::SetUpApplication();
    QApplication::setApplicationVersion(ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("org.fieldmark.fmsymbol"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("fmsymbol")));
    const ProgramStart start = PrepareProgramStart(kHelp.usage);
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
