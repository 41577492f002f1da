// Test driver of the crash-recovery tests: the battle editor's real main window on a given
// program folder, in a process of its own so that a test can kill it.
//
//   fm_recovery_driver <program folder> edit <battle file> <hex> <terrain symbol>
//       opens the battle, gives the hex that primary terrain through the battle's
//       operations, prints "edited" and runs until it is killed;
//   fm_recovery_driver <program folder> restore yes|no <bytes file>
//       answers every restore question with the box's own button, printing
//       "offer: <question>", then prints "state: active=… modified=… untitled=…
//       path=…", writes the battle's bytes to the bytes file, prints "done" and closes
//       the window normally, declining to save.
#include "BattleFile.h"
#include "BattleRecovery.h"
#include "TMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

namespace {

QTextStream& Out() {
    static QTextStream out(stdout);
    return out;
}

int Edit(QApplication& app, TMainForm& form, const QStringList& args) {
    form.OpenBattleFile(args.value(3));
    if (!form.battleActive()) {
        Out() << "open failed" << Qt::endl;
        return 2;
    }
    const int hex = args.value(4).toInt();
    const int symbol = args.value(5).toInt();
    form.document().Edit(QStringLiteral("Place Primary Terrain"),
                         [&](Battle& b) { b.SetTerrainSlot(hex, 0, symbol); });
    form.RedrawHex(hex);
    Out() << "edited" << Qt::endl;
    return app.exec();
}

int Restore(QApplication& app, TMainForm& form, const QStringList& args) {
    const bool yes = args.value(3) == QLatin1String("yes");
    const QString bytesFile = args.value(4);
    QTimer poll;
    poll.setInterval(20);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            Out() << "offer: " << box->text() << Qt::endl;
            box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
            return;
        }
        if (!form.recovery().offersDone())
            return;
        poll.stop();
        Out() << "state: active=" << int(form.battleActive())
              << " modified=" << int(form.document().modified())
              << " untitled=" << int(form.untitled()) << " path=" << form.battlePath() << Qt::endl;
        QFile file(bytesFile);
        if (form.battleActive() && file.open(QIODevice::WriteOnly))
            file.write(EncodeBattle(form.battle(), form.battle().settings.saveCount,
                                    form.context().symbols.terrainCount()));
        file.close();
        Out() << "done" << Qt::endl;
        form.close();
    });
    poll.start();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
    if (args.size() < 5) {
        Out() << "usage: fm_recovery_driver <program folder> edit|restore …" << Qt::endl;
        return 1;
    }
    TMainForm form(args[1], [](const QString&, const QString& text) {
        Out() << "warning: " << QString(text).replace(QLatin1Char('\r'), QLatin1Char(' '))
              << Qt::endl;
    });
    form.askMessage = [](int, int) { return OrvNo; };
    form.show();
    return args[2] == QLatin1String("edit") ? Edit(app, form, args) : Restore(app, form, args);
}
