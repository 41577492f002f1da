#pragma once
// The one click rule of the editor's symbol lists: a row acts whenever the designer picks
// it, by the keyboard or by a click, and a click on the row already highlighted acts
// too (a list alone reports only a change of row, so that click would be lost).

#include <functional>

class QListWidget;

void OnRowChosen(QListWidget* list, std::function<void(int row)> chosen);
