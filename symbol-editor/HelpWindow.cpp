#include "HelpWindow.h"

#include <FileNames.h>

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpWindow::HelpWindow(QWidget* parent, const QString& programFolder)
    : QDialog(parent), programFolder_(programFolder) {
    setWindowTitle("Fieldmark Symbol Editor Help");
    resize(640, 520);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("Keyword:"));
    search_ = new QLineEdit;
    row->addWidget(search_);
    // The help may float above the editor while the designer draws; the editor's dialogs
    // then open above it too.
    auto* onTop = new QCheckBox("Keep on Top");
    row->addWidget(onTop);
    connect(onTop, &QCheckBox::toggled, this, [this](bool on) {
        setWindowFlag(Qt::WindowStaysOnTopHint, on);
        show();
    });
    layout->addLayout(row);
    browser_ = new QTextBrowser;
    browser_->setOpenLinks(true);
    layout->addWidget(browser_);
    connect(search_, &QLineEdit::returnPressed, this, [this] {
        if (!browser_->find(search_->text())) {
            browser_->moveCursor(QTextCursor::Start);
            browser_->find(search_->text());
        }
    });
}

void HelpWindow::ShowContents(bool keywordSearch) {
    const QString index =
        FindFileAnyCase(QDir(programFolder_).filePath("help/fmsymbol/index.html"));
    if (QFileInfo::exists(index)) {
        browser_->setSearchPaths({QFileInfo(index).absolutePath()});
        browser_->setSource(QUrl::fromLocalFile(index));
    } else {
        browser_->setHtml("<p>The help pages were not found:<br>" + index.toHtmlEscaped() + "</p>");
    }
    search_->clear();
    show();
    raise();
    if (keywordSearch)
        search_->setFocus();
}
