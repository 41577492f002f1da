// Runs the editor's real main window for the crash-recovery test, in the current folder as
// the program folder:
//   edit R G B   opens "house", paints pixel (5, 4) of "Pikes" at zoom level 2 through the
//                grid in colour R G B, prints "edited" and runs until it is killed;
//   restore yes|no   starts as the editor does, answers the recovery offer, prints the
//                question and the state, saves after "yes" and closes normally;
//   probe        starts, prints how many offers it got (leaving them unanswered) and closes.
#include <GridViews.h>
#include <SmallDialogs.h>
#include <TForm1.h>

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

void Say(const QString& line) {
    std::printf("%s\n", line.toUtf8().constData());
    std::fflush(stdout);
}

void Edit(TForm1& window, QRgb colour) {
    EditorSession& session = window.session();
    SetResult r;
    if (session.OpenSet("Battles/house.set", r) != EditorSession::OpenOutcome::Opened) {
        Say("open failed: " + r.message);
        return;
    }
    const SymbolSelection before = session.BeginEditSymbols(2);
    session.selection.symbol = 1;
    session.FinishEditSymbols(true, before);
    window.ShowSession();
    window.ZmLvPlsClick();
    session.tools.SetPrimary(colour);
    // Through the grid, as the designer clicks it.
    auto* grid = window.findChild<PixelGridView*>();
    const QSize image = session.work.picture.size() * session.cell;
    const QPoint origin((grid->width() - image.width()) / 2, (grid->height() - image.height()) / 2);
    const QPoint at = origin + QPoint(5, 4) * session.cell + QPoint(2, 2);
    QTest::mousePress(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    Say(QStringLiteral("edited dirty=%1").arg(session.dirty(2)));
}

// Answers (or leaves) every recovery offer while the start-up runs.
struct OfferAnswerer {
    QString answer; // "Yes", "No" or empty to leave it
    int offers = 0;
    QTimer timer;
    explicit OfferAnswerer(const QString& a) : answer(a) {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal->property("answered").toBool())
                return;
            modal->setProperty("answered", true);
            if (modal->objectName() != "RecoveryOffer") {
                Say("unexpected dialog: " + modal->windowTitle());
                qobject_cast<QDialog*>(modal)->reject();
                return;
            }
            ++offers;
            for (QLabel* l : modal->findChildren<QLabel*>())
                Say("offer: " + l->text());
            for (QPushButton* b : modal->findChildren<QPushButton*>()) {
                if (b->text() == answer) {
                    b->click();
                    return;
                }
            }
            qobject_cast<QDialog*>(modal)->reject();
        });
        timer.start(20);
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    TForm1::SetUpApplication();
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return 2;
    TForm1 window;
    window.SetUp(QDir::currentPath());
    window.show();
    window.FormShow();
    const QString mode = args[0];
    if (mode == "edit" && args.size() == 4) {
        window.OfferRecovery();
        Edit(window, qRgb(args[1].toInt(), args[2].toInt(), args[3].toInt()));
        return app.exec();
    }
    OfferAnswerer answerer(mode == "restore" && args.size() == 2 ? (args[1] == "yes" ? "Yes" : "No")
                                                                 : QString());
    window.OfferRecovery();
    EditorSession& session = window.session();
    if (mode == "probe") {
        Say(QStringLiteral("offers=%1").arg(answerer.offers));
    } else {
        Say("caption=" + window.windowTitle());
        Say(QStringLiteral("symbol=") + session.symbolName());
        Say(QStringLiteral("zoom=%1 dirty=%2 save=%3")
                .arg(session.zoomLevel)
                .arg(session.dirty(2))
                .arg(session.controls.saveImage));
        if (session.symbolOpen())
            Say(QStringLiteral("pixel=%1").arg(session.work.picture.pixel(5, 4), 8, 16));
        if (session.symbolOpen()) {
            window.SaveImgClick();
            // Saved: this run's copy goes at once, before the program closes.
            const int copies =
                int(QDir(window.recovery().folder()).entryList({"fmsymbol-*.rec"}).size());
            Say(QStringLiteral("saved dirty=%1 copies=%2").arg(session.dirty(2)).arg(copies));
        }
    }
    Say(QStringLiteral("closed=%1").arg(window.close()));
    return 0;
}
