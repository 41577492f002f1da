#pragma once
// Answers the modal dialogs a window opens, one step per dialog in the order they appear,
// so that flows with questions and file dialogs run in a test. A dialog beyond the script
// is closed (rejected) and noted, so a flow that asks more than expected cannot hang.

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

class DialogScript {
public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogScript(std::vector<Step> steps);
    ~DialogScript();

    // The captions of the dialogs seen, in order.
    const QStringList& seen() const { return seen_; }
    bool finished() const { return next_ == steps_.size(); }

    // Steps.
    static Step Click(const QString& buttonText);
    static Step Reject();
    static Step Key(int key);
    // Types `name` into a file dialog and accepts it.
    static Step TypeFile(const QString& name);
    // Runs `check` on the dialog, then rejects it.
    static Step Inspect(std::function<void(QWidget*)> check);

private:
    void Tick();
    std::vector<Step> steps_;
    size_t next_ = 0;
    QStringList seen_;
    QPointer<QWidget> last_;
    QTimer timer_;
};
