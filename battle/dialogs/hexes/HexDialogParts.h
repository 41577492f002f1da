#pragma once
// Controls the hex dialogs share: the terrain list, the stretched symbol preview and a
// value label with its arrows in a titled group.

#include "TerrainList.h"

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QWidget;
class SoundEffects;
class UpDownArrows;

constexpr int kPreviewSide = 120;

QListWidget* TerrainListBox(QWidget* parent);
// Refills the list without reporting the rows it selects as clicks.
void FillTerrainList(QListWidget* list, const TerrainList& rows, int row);
void SelectListRow(QListWidget* list, int row);

QLabel* PreviewImage(QWidget* parent);
// The sunken panel "SymPan" holding a preview image, which `image` receives.
QFrame* PreviewPanel(QWidget* parent, QLabel*& image);
// The sunken, centred label "SymNamPan" under the preview that names the symbol.
QLabel* SymbolNamePanel(QWidget* parent);
// Stretches the preview onto the 120 × 120 picture by pixel replication.
void ShowPreview(QLabel* image, const QImage& preview);

struct Stepper {
    QGroupBox* box;
    QLabel* label;
    UpDownArrows* arrows;
};
// A group titled `title` (empty for none) holding label `labelName` and arrows
// `arrowsName`; the label also takes a typed value.
Stepper MakeStepper(const QString& title, const QString& labelName, const QString& arrowsName,
                    QWidget* parent, SoundEffects& sounds);
