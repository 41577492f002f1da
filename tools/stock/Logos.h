#pragma once
// The two programs' logo pictures: "fmedt.bmp" shown on the battle editor's empty map,
// "fmsym.bmp" in the symbol editor's 120 by 120 picture box.

#include <QImage>

QImage BattleEditorLogo(); // 360 by 200, on black like the empty map around it
QImage SymbolEditorLogo(); // 120 by 120

// The programs' desktop icons, drawn from the logos: the battle editor's map cluster and
// the symbol editor's whole logo, `size` pixels square on a transparent ground.
QImage BattleEditorIcon(int size);
QImage SymbolEditorIcon(int size);
