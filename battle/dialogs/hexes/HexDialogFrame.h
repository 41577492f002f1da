#pragma once
// The look of the borderless hex dialogs: a raised panel with a bold heading in place of
// the window's frame and caption. The dialogs never move themselves once shown: a move
// while the window manager places the window detaches their drop-down lists.

class QDialog;
class QFrame;
class QString;
class QVBoxLayout;

// Makes `dialog` borderless and on top; returns the panel to fill and, in `column`, the
// panel's layout with the heading already in it.
QFrame* BorderlessPanel(QDialog* dialog, const QString& heading, QVBoxLayout*& column);
