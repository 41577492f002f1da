#include "Latin1Text.h"

#include <utility>

bool IsLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

QString Latin1RefusalReason(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return QStringLiteral("The character \"%1\" cannot be stored in the file: only Western "
                                  "European (Latin-1) characters can be typed here.")
                .arg(c);
    }
    return {};
}

Latin1Validator::Latin1Validator(std::function<void(const QString&)> refused, QObject* parent)
    : QValidator(parent), refused_(std::move(refused)) {}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
    if (IsLatin1(input))
        return Acceptable;
    if (refused_)
        refused_(Latin1RefusalReason(input));
    return Invalid;
}
