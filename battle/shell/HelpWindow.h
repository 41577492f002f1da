#pragma once
// The help window: the HTML pages shipped in the program folder, opened at their contents
// page or at a search over every page.

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // pagesFolder holds index.html and the other pages.
    explicit HelpWindow(const QString& pagesFolder, QWidget* parent = nullptr);

    void ShowContents();
    void ShowSearch();
    // Pages (file names) whose text holds every word of `words`, ignoring case.
    QStringList Search(const QString& words) const;
    QString currentPage() const;

private:
    void RunSearch();

    QString folder_;
    QTextBrowser* browser_;
    QLineEdit* searchBox_;
    QListWidget* results_;
};
