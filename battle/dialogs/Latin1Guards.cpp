#include "Latin1Guards.h"

#include "Latin1Text.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <memory>

void GuardLatin1Fields(QWidget* window, const std::function<void(const QString&)>& refused) {
    for (QLineEdit* edit : window->findChildren<QLineEdit*>()) {
        if (!edit->validator())
            edit->setValidator(new Latin1Validator(refused, edit));
    }
    for (QPlainTextEdit* memo : window->findChildren<QPlainTextEdit*>()) {
        if (memo->property("latin1Guarded").toBool())
            continue;
        memo->setProperty("latin1Guarded", true);
        // The text as last accepted: a refused edit is taken back by putting back what it
        // replaced. The field's own undo cannot do it, as it merges a run of typing into
        // one step and would take the characters typed before along.
        auto accepted = std::make_shared<QString>(memo->toPlainText());
        // The document's own signal, which a blocker on the field does not silence.
        QObject::connect(memo->document(), &QTextDocument::contentsChanged, memo,
                         [memo, refused, accepted] {
                             const QString text = memo->toPlainText();
                             if (IsLatin1(text)) {
                                 *accepted = text;
                                 return;
                             }
                             const QString& before = *accepted;
                             const qsizetype shorter = std::min(text.size(), before.size());
                             qsizetype head = 0;
                             while (head < shorter && text[head] == before[head])
                                 ++head;
                             qsizetype tail = 0;
                             while (tail < shorter - head && text[text.size() - 1 - tail] ==
                                                                 before[before.size() - 1 - tail])
                                 ++tail;
                             QTextCursor cursor(memo->document());
                             cursor.setPosition(int(head));
                             cursor.setPosition(int(text.size() - tail), QTextCursor::KeepAnchor);
                             cursor.insertText(before.mid(head, before.size() - tail - head));
                             memo->setTextCursor(cursor);
                             if (refused)
                                 refused(Latin1RefusalReason(text));
                         });
    }
}
