#include "TypedValueEntry.h"

#include "SoundEffects.h"
#include "UpDownArrows.h"
#include "ValueSteps.h"

#include <QEvent>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <utility>
#include <vector>

TypedValueEntry* TypedValueEntry::Attach(QLabel* valueLabel, UpDownArrows* arrows,
                                         SoundEffects* sounds) {
    return new TypedValueEntry(valueLabel, arrows, sounds);
}

TypedValueEntry::TypedValueEntry(QLabel* valueLabel, UpDownArrows* arrows, SoundEffects* sounds)
    : QObject(valueLabel), label_(valueLabel), arrows_(arrows), sounds_(sounds) {
    label_->setCursor(Qt::IBeamCursor);
    label_->setToolTip(QStringLiteral("Click to type a value"));
    label_->installEventFilter(this);
}

bool TypedValueEntry::Open() {
    const std::optional<int> value = LastNumberIn(label_->text());
    if (editor_ || !value || !label_->isEnabled())
        return false;
    editor_ = new QLineEdit(label_);
    editor_->setObjectName(label_->objectName() + QStringLiteral("Typed"));
    editor_->setValidator(new QIntValidator(-999999, 999999, editor_));
    editor_->setText(QString::number(*value));
    editor_->selectAll();
    editor_->setGeometry(label_->rect());
    editor_->installEventFilter(this);
    editor_->show();
    editor_->setFocus(Qt::MouseFocusReason);
    return true;
}

void TypedValueEntry::Commit() {
    bool ok = false;
    const int target = editor_->text().toInt(&ok);
    Close();
    if (!ok)
        return;
    const auto shown = [this, target] { return LastNumberIn(label_->text()).value_or(target); };
    const auto step = [this](bool up) { arrows_->Step(up); };
    int taken = 0;
    if (sounds_) {
        sounds_->SetQuiet(true);
        taken = ReachTypedValue(target, shown, step);
        sounds_->SetQuiet(false);
        if (taken > 0)
            sounds_->Play(SoundClick);
    } else {
        ReachTypedValue(target, shown, step);
    }
}

void TypedValueEntry::Close() {
    if (!editor_)
        return;
    QLineEdit* editor = editor_;
    editor_ = nullptr;
    editor->removeEventFilter(this);
    editor->hide();
    editor->setParent(nullptr); // gone from the label at once, deleted when idle
    editor->deleteLater();
}

TypedValueEntry* TypedValueEntry::Neighbour(int step) const {
    QWidget* window = label_->window();
    std::vector<TypedValueEntry*> entries;
    for (TypedValueEntry* e : window->findChildren<TypedValueEntry*>()) {
        if (e->label_->isVisible() && e->label_->isEnabled())
            entries.push_back(e);
    }
    const auto place = [window](const TypedValueEntry* e) {
        const QPoint at = e->label_->mapTo(window, QPoint(0, 0));
        return std::pair(at.x(), at.y());
    };
    std::stable_sort(entries.begin(), entries.end(),
                     [&](auto* a, auto* b) { return place(a) < place(b); });
    const auto self = std::find(entries.begin(), entries.end(), this);
    if (self == entries.end())
        return nullptr;
    const auto index = (self - entries.begin()) + step;
    return index >= 0 && index < std::ssize(entries) ? entries[size_t(index)] : nullptr;
}

bool TypedValueEntry::eventFilter(QObject* watched, QEvent* event) {
    if (watched == label_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        return Open();
    if (watched != editor_ || !editor_)
        return false;
    if (event->type() == QEvent::KeyPress) {
        // Enter and Escape belong to the entry, not to the dialog's default and cancel
        // buttons.
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: {
            QWidget* window = label_->window();
            Commit();
            window->setFocus(Qt::OtherFocusReason);
            return true;
        }
        case Qt::Key_Tab:
        case Qt::Key_Backtab: {
            const bool back = static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab;
            TypedValueEntry* next = Neighbour(back ? -1 : 1);
            Commit();
            if (next)
                next->Open();
            else
                label_->window()->setFocus(Qt::TabFocusReason);
            return true;
        }
        case Qt::Key_Escape:
            Close();
            return true;
        default:
            return false;
        }
    }
    // Leaving the entry (a click elsewhere, a button) keeps what was typed; only Escape
    // cancels it.
    if (event->type() == QEvent::FocusOut)
        Commit();
    return false;
}
