#pragma once
// Every text field of the battle and symbol files holds Latin-1 bytes. A character outside
// Latin-1 is refused while it is typed (with a reason the window shows), never changed into
// "?" when the text is stored.

#include <QString>
#include <QValidator>

#include <functional>

// True when every character of text can be stored as one Latin-1 byte.
bool IsLatin1(const QString& text);

// The reason shown when a character was refused.
QString Latin1RefusalReason(const QString& text);

// A validator for a line edit: refuses an edit that would bring in a character outside
// Latin-1 and reports the reason through `refused`.
class Latin1Validator : public QValidator {
public:
    explicit Latin1Validator(std::function<void(const QString& reason)> refused,
                             QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

private:
    std::function<void(const QString&)> refused_;
};
