#include "ListRowChoice.h"

#include <QEvent>
#include <QListWidget>
#include <QMouseEvent>

namespace {

// Sees a press before the list does: on the current row the list will not report it.
class PressOnCurrentRow : public QObject {
public:
    PressOnCurrentRow(QListWidget* list, std::function<void(int)> chosen)
        : QObject(list), list_(list), chosen_(std::move(chosen)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* press = static_cast<QMouseEvent*>(event);
            const int row = list_->indexAt(press->position().toPoint()).row();
            if (press->button() == Qt::LeftButton && row >= 0 && row == list_->currentRow())
                chosen_(row);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QListWidget* list_;
    std::function<void(int)> chosen_;
};

} // namespace

void OnRowChosen(QListWidget* list, std::function<void(int row)> chosen) {
    list->viewport()->installEventFilter(new PressOnCurrentRow(list, chosen));
    QObject::connect(list, &QListWidget::currentRowChanged, list, [chosen](int row) {
        if (row >= 0)
            chosen(row);
    });
}
