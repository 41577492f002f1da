#include "HelpWindow.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSplitter>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpWindow::HelpWindow(const QString& pagesFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder_(pagesFolder) {
    setWindowTitle(QStringLiteral("Field Mark Help"));
    resize(820, 620);
    browser_ = new QTextBrowser;
    browser_->setSearchPaths({folder_});
    browser_->setOpenExternalLinks(false);
    searchBox_ = new QLineEdit;
    searchBox_->setPlaceholderText(QStringLiteral("Keyword"));
    results_ = new QListWidget;
    auto* side = new QWidget;
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(0, 0, 0, 0);
    sideLayout->addWidget(new QLabel(QStringLiteral("Keyword Search")));
    sideLayout->addWidget(searchBox_);
    sideLayout->addWidget(results_);
    auto* splitter = new QSplitter;
    splitter->addWidget(side);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 3);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    connect(searchBox_, &QLineEdit::returnPressed, this, &HelpWindow::RunSearch);
    connect(searchBox_, &QLineEdit::textChanged, this, &HelpWindow::RunSearch);
    connect(results_, &QListWidget::currentTextChanged, this, [this](const QString& page) {
        if (!page.isEmpty())
            browser_->setSource(QUrl::fromLocalFile(QDir(folder_).filePath(page)));
    });
}

void HelpWindow::ShowContents() {
    const QString index = QDir(folder_).filePath(QStringLiteral("index.html"));
    if (QFile::exists(index))
        browser_->setSource(QUrl::fromLocalFile(index));
    else
        browser_->setHtml(
            QStringLiteral("<p>The help pages are not installed in %1.</p>").arg(folder_));
    show();
    raise();
}

void HelpWindow::ShowSearch() {
    searchBox_->clear();
    RunSearch();
    show();
    raise();
    searchBox_->setFocus();
}

QStringList HelpWindow::Search(const QString& words) const {
    const QStringList wanted = words.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList pages;
    const QDir dir(folder_);
    for (const QString& page : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(dir.filePath(page));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        // Search the text a reader sees, not the markup.
        QString text = QString::fromUtf8(file.readAll());
        text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
        bool all = true;
        for (const QString& word : wanted)
            all = all && text.contains(word, Qt::CaseInsensitive);
        if (all)
            pages << page;
    }
    return pages;
}

QString HelpWindow::currentPage() const {
    return browser_->source().fileName();
}

void HelpWindow::RunSearch() {
    results_->clear();
    results_->addItems(Search(searchBox_->text()));
}
