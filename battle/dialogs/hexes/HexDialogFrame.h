#pragma once
// The look of the borderless hex dialogs: a raised panel with a bold heading in place of
// the window's frame and caption, and centring on the screen when shown.

class QDialog;
class QFrame;
class QString;
class QVBoxLayout;

// Makes `dialog` borderless and on top; returns the panel to fill and, in `column`, the
// panel's layout with the heading already in it.
QFrame* BorderlessPanel(QDialog* dialog, const QString& heading, QVBoxLayout*& column);
void CentreOnScreen(QDialog* dialog);
