#pragma once
// Opaque ground terrain of the stock set: each paints a whole hex at its level's detail.

#include "SymbolCanvas.h"

void PaintOpenGround(QPainter& p, const HexFrame& f);
void PaintMeadow(QPainter& p, const HexFrame& f);
void PaintFields(QPainter& p, const HexFrame& f);
void PaintWoods(QPainter& p, const HexFrame& f);
void PaintForest(QPainter& p, const HexFrame& f);
void PaintOrchard(QPainter& p, const HexFrame& f);
void PaintHills(QPainter& p, const HexFrame& f);
void PaintHighHills(QPainter& p, const HexFrame& f);
void PaintMarsh(QPainter& p, const HexFrame& f);
void PaintLake(QPainter& p, const HexFrame& f);
void PaintShallows(QPainter& p, const HexFrame& f);
void PaintScrub(QPainter& p, const HexFrame& f);
void PaintRockyGround(QPainter& p, const HexFrame& f);
void PaintBurntGround(QPainter& p, const HexFrame& f);
