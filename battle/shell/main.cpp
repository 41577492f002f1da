// fmbattle: the battle editor. It works in the current directory when that is a program
// folder, otherwise in the user's own folder; a battle file named on the command line is
// opened once the window is shown.
#include "ProgramStart.h"
#include "TMainForm.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

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
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Field Mark"));
    const ProgramStart start = PrepareProgramStart(QStringLiteral("usage: fmbattle [BATTLE.scn]"));
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
