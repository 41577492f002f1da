#pragma once
// Every text field of a window refuses, as it is typed or pasted, a character the battle
// file cannot hold (outside Latin-1); the reason goes to `refused` (the status line).
// Line edits get a validator unless they have one of their own (the number fields); a
// multi-line field takes back the edit that brought such a character in.

#include <QString>

#include <functional>

class QWidget;

void GuardLatin1Fields(QWidget* window, const std::function<void(const QString&)>& refused);
