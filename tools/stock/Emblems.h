#pragma once
// Heraldic emblems painted into a square: the motifs of the battle icons and logos.

#include <QPainter>
#include <QRectF>

void PaintSword(QPainter& p, const QRectF& box);
void PaintBow(QPainter& p, const QRectF& box);
void PaintShield(QPainter& p, const QRectF& box, QColor field, QColor charge);
void PaintHelm(QPainter& p, const QRectF& box);
void PaintBanner(QPainter& p, const QRectF& box, QColor cloth);
void PaintCastle(QPainter& p, const QRectF& box);
void PaintCrossedAxes(QPainter& p, const QRectF& box);
void PaintCrown(QPainter& p, const QRectF& box);
