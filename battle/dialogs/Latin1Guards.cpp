#include "Latin1Guards.h"

#include "Latin1Text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>

void GuardLatin1Fields(QWidget* window, const std::function<void(const QString&)>& refused) {
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->validator())
            edit->setValidator(new Latin1Validator(refused, edit));
    }
    for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
        if (memo->property("latin1Guarded").toBool())
            continue;
        memo->setProperty("latin1Guarded", true);
        QObject::connect(memo, &QPlainTextEdit::textChanged, memo, [memo, refused] {
            const QString text = memo->toPlainText();
            if (IsLatin1(text))
                return;
            // Typing, pasting and dropping are each one step of the field's own undo.
            const QString reason = Latin1RefusalReason(text);
            memo->undo();
            if (!IsLatin1(memo->toPlainText())) {
                QString kept = memo->toPlainText();
                for (QChar& c : kept) {
                    if (c.unicode() > 0xFF)
                        c = QChar();
                }
                memo->setPlainText(kept.remove(QChar()));
            }
            if (refused)
                refused(reason);
        });
    }
}
