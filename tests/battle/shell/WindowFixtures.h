#pragma once
// A program folder on disk for the main window tests, and the window on it.

#include <QEvent>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <memory>

class TMainForm;

// Creates programFolder/Battles holding the set "test": ten terrain symbols of solid
// colours through a hex mask, at cell widths 15, 30, 45. False when a step failed.
bool WriteTestSet(const QString& programFolder);

// The main window on programFolder, shown; its warnings are collected in `warnings`.
std::unique_ptr<TMainForm> ShowMainWindow(const QString& programFolder, QStringList& warnings);

// A point inside `hex` on the window's map, in the map's coordinates.
QPoint MapPointOfHex(TMainForm& form, int hex);
// A mouse event sent to the window's map at `p`, as the pointer gives it.
void SendToMap(TMainForm& form, QEvent::Type type, QPoint p, Qt::MouseButton button,
               Qt::MouseButtons held);
