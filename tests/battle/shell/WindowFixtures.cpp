#include "WindowFixtures.h"

#include "MapGeometry.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"
#include "TMainForm.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>

bool WriteTestSet(const QString& programFolder) {
    if (!QDir(programFolder).mkpath("Battles"))
        return false;
    SymbolSet set;
    if (!CreateNewSet(set, programFolder, LayoutVertical, true, {15, 30, 45}).ok)
        return false;
    for (int i = 0; i < 10; ++i)
        if (!AddSymbol(set, SymbolKind::Terrain, "t", {}, qRgb(30 * i, 100, 50)).ok)
            return false;
    return SaveSetTo(set, programFolder + "/new.set", programFolder + "/Battles/test.set").ok;
}

std::unique_ptr<TMainForm> ShowMainWindow(const QString& programFolder, QStringList& warnings) {
    auto form = std::make_unique<TMainForm>(
        programFolder, [&warnings](const QString&, const QString& text) { warnings << text; });
    form->show();
    return form;
}

QPoint MapPointOfHex(TMainForm& form, int hex) {
    return HexOrigin(form.renderer().metrics(), hex, form.renderer().originHex()) + QPoint(8, 8);
}

void SendToMap(TMainForm& form, QEvent::Type type, QPoint p, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QWidget* map = form.findChild<QWidget*>("MapWin");
    QMouseEvent e(type, QPointF(p), map->mapToGlobal(QPointF(p)), button, held, Qt::NoModifier);
    QApplication::sendEvent(map, &e);
}
