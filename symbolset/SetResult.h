#pragma once
// Outcome of an operation on set files: success, or the message a window shows.

#include <QString>

struct SetResult {
    bool ok = true;
    QString message;

    static SetResult Success() { return {}; }
    static SetResult Failure(const QString& text) { return {false, text}; }
    explicit operator bool() const { return ok; }
};

// Message of a set the symbol editor cannot read.
inline const QString kNotReadableMessage = QStringLiteral("This Symbol Set is Not Readable.");
// Message of a set with a bitmap file missing.
inline const QString kIncompleteMessage = QStringLiteral(
    "The symbol set you have selected does not appear\rto be complete and cannot be loaded.");
