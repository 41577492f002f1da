// fmbattle: the battle editor. A program lying in a program folder works in the current
// directory (or its own folder); an installed one in the user's own folder. A battle file
// named on the command line is opened once the window is shown.
#include "ProgramStart.h"
#include "StartArguments.h"
#include "TMainForm.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QTimer>

namespace {

const ProgramHelp kHelp = {
    QStringLiteral("fmbattle"), QStringLiteral("usage: fmbattle [BATTLE.scn]"),
    QStringLiteral("The Fieldmark battle editor: lays out battles of a hex-map wargame.\n"
                   "BATTLE.scn is opened once the window is shown.\n")};

// After the questions of the start (a recovery copy to restore) are answered: a restored
// battle is then asked about like any other before it is replaced.
void OpenAtStart(TMainForm& window, const QString& path) {
    if (QApplication::activeModalWidget()) {
        QTimer::singleShot(200, &window, [&window, path] { OpenAtStart(window, path); });
        return;
    }
    if (window.AskToSaveChanges())
        window.OpenBattleFile(path);
}

} // namespace

int main(int argc, char** argv) {
    if (const std::optional<int> status = AnswerBeforeStart(argc, argv, kHelp))
        return *status;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Field Mark"));
    QApplication::setApplicationVersion(ProgramVersion());
    QApplication::setDesktopFileName(QStringLiteral("org.fieldmark.fmbattle"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("fmbattle")));
    const ProgramStart start = PrepareProgramStart(kHelp.usage);
    if (!start.proceed)
        return 2;
    if (!start.folder.copy.ok)
        QMessageBox::warning(nullptr, QStringLiteral("Warning"), start.folder.copy.error);
    TMainForm window(start.folder.folder);
    window.show();
    if (!start.openPath.isEmpty())
        QTimer::singleShot(0, &window, [&window, &start] { OpenAtStart(window, start.openPath); });
    return app.exec();
}
