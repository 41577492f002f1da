#include "TSymbols.h"

#include "DialogPlacement.h"

#include "SmallDialogs.h"
#include "SymbolDialogs.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QIcon>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

TSymbols::TSymbols(QWidget* parent, SymbolListLogic& logic) : QDialog(parent), logic_(logic) {
    setWindowTitle(logic.caption());
    auto* layout = new QHBoxLayout(this);
    list_ = new QListWidget;
    list_->setMinimumSize(300, 480);
    list_->setIconSize(QSize(kThumbnail, kThumbnail));
    layout->addWidget(list_);
    auto* side = new QVBoxLayout;
    preview_ = new QLabel;
    preview_->setFixedSize(120, 120);
    side->addWidget(preview_, 0, Qt::AlignHCenter);
    counter_ = new QLabel;
    counter_->setFont(QFont("Monospace"));
    side->addWidget(counter_);
    auto* buttons = new QGridLayout;
    const auto button = [&](const QString& text, int row, int column, auto handler) {
        auto* b = new QPushButton(text);
        buttons->addWidget(b, row, column);
        connect(b, &QPushButton::clicked, this, [this, handler] {
            handler();
            AfterClick();
        });
        return b;
    };
    edit_ = button("Edit", 0, 0, [this] { logic_.OpenSymClick(); });
    create_ = button("Create New", 0, 1, [this] { logic_.NewSymClick(*this); });
    copy_ = button("Copy ", 1, 0, [this] { logic_.CpySymClick(*this); });
    rename_ = button("Rename", 1, 1, [this] { logic_.RenSymClick(*this); });
    remove_ = button("Remove", 2, 0, [this] { logic_.DelSymClick(*this); });
    button("Exit", 2, 1, [this] { logic_.CancelSymClick(); });
    up_ = button("Move Sym Up", 3, 0, [this] { logic_.SymUpClick(); });
    down_ = button("Move Sym Dn", 3, 1, [this] { logic_.SymDnClick(); });
    side->addLayout(buttons);
    side->addStretch();
    layout->addLayout(side);

    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row + 1 == logic_.position())
            return;
        logic_.SymListClick(row + 1);
        AfterClick();
    });
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        logic_.SymListDblClick(list_->row(item) + 1);
        AfterClick();
    });
    logic_.FormActivate();
    Refresh();
}

void TSymbols::AfterClick() {
    if (logic_.closeResult) {
        done(*logic_.closeResult ? QDialog::Accepted : QDialog::Rejected);
        return;
    }
    Refresh();
}

void TSymbols::Refresh() {
    const std::vector<QString> rows = logic_.FillGrid();
    if (list_->count() != int(rows.size())) {
        list_->clear();
        for (const QString& row : rows)
            list_->addItem(row);
    } else {
        for (int i = 0; i < int(rows.size()); ++i)
            list_->item(i)->setText(rows[i]);
    }
    if (rows != shownRows_) { // added, removed, renamed or moved: the pictures follow
        shownRows_ = rows;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const std::vector<QImage> thumbnails = logic_.Thumbnails(kThumbnail);
        for (int i = 0; i < int(thumbnails.size()) && i < list_->count(); ++i)
            list_->item(i)->setIcon(QIcon(QPixmap::fromImage(thumbnails[size_t(i)])));
        QApplication::restoreOverrideCursor();
    }
    if (logic_.position() >= 1)
        list_->setCurrentRow(logic_.position() - 1);
    const ListButtons b = logic_.SymSelect();
    edit_->setEnabled(b.edit);
    create_->setEnabled(b.create);
    copy_->setEnabled(b.copy);
    rename_->setEnabled(b.rename);
    remove_->setEnabled(b.remove);
    up_->setEnabled(b.up);
    down_->setEnabled(b.down);
    counter_->setText(logic_.UpdateCounter());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    preview_->setPixmap(QPixmap::fromImage(logic_.PreViewSym(preview_->size())));
    QApplication::restoreOverrideCursor();
}

void TSymbols::done(int result) {
    // The display order reaches the disk whenever the list closes.
    if (SetResult r = logic_.FormClose(); !r)
        ShowError(r.message);
    if (!logic_.closeResult)
        result = logic_.removedOpen() ? QDialog::Accepted : QDialog::Rejected;
    QDialog::done(result);
}

bool TSymbols::AskName(NamePromptLogic& prompt) {
    TGetTxt dialog(this, prompt);
    return ExecAbove(dialog) == QDialog::Accepted;
}

bool TSymbols::AskUnitSize(UnitSizeLogic& dialog) {
    TGetSze window(this, dialog);
    return ExecAbove(window) == QDialog::Accepted;
}

bool TSymbols::ConfirmRemove() {
    return ShowMessage(this, QMessageBox::Warning, "Warning",
                       QString(kRemoveWarning).replace('\r', '\n'), true);
}

void TSymbols::ShowError(const QString& message) {
    ShowMessage(this, QMessageBox::Critical, "Error", QString(message).replace('\r', '\n'));
}
