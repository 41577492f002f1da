#pragma once
// The help pages shipped in the program folder ("help/fmsymbol/index.html"), with a search
// field for the keyword search.

#include <QDialog>

class QLineEdit;
class QTextBrowser;

class HelpWindow : public QDialog {
    Q_OBJECT
public:
    HelpWindow(QWidget* parent, const QString& programFolder);
    // Opens the contents; with `keywordSearch` the search field takes the focus, empty.
    void ShowContents(bool keywordSearch);

private:
    QString programFolder_;
    QTextBrowser* browser_;
    QLineEdit* search_;
};
