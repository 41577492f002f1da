#include "DialogScript.h"

#include <QDialog>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

DialogScript::DialogScript(std::vector<Step> steps) : steps_(std::move(steps)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Tick(); });
    timer_.start(10);
}

DialogScript::~DialogScript() {
    timer_.stop();
}

void DialogScript::Tick() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == last_.data())
        return;
    last_ = modal;
    seen_ << modal->windowTitle();
    // Each step runs from the event loop, not inside this tick, so that a dialog the step
    // opens (a message box inside a file dialog) is seen by the next tick.
    if (next_ < steps_.size()) {
        Step step = steps_[next_++];
        QTimer::singleShot(0, modal, [step, modal] { step(modal); });
    } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
        QTimer::singleShot(0, dialog, &QDialog::reject);
    }
}

DialogScript::Step DialogScript::Click(const QString& buttonText) {
    return [buttonText](QWidget* dialog) {
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text().remove('&') == buttonText) {
                b->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << buttonText.toStdString() << " in "
                      << dialog->windowTitle().toStdString();
        qobject_cast<QDialog*>(dialog)->reject();
    };
}

DialogScript::Step DialogScript::Reject() {
    return [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
}

DialogScript::Step DialogScript::Key(int key) {
    return [key](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key(key)); };
}

DialogScript::Step DialogScript::TypeFile(const QString& name) {
    return [name](QWidget* widget) {
        auto* dialog = qobject_cast<QFileDialog*>(widget);
        if (!dialog) {
            ADD_FAILURE() << "not a file dialog: " << widget->windowTitle().toStdString();
            qobject_cast<QDialog*>(widget)->reject();
            return;
        }
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(name);
        QMetaObject::invokeMethod(dialog, "accept"); // a protected slot
    };
}

DialogScript::Step DialogScript::Inspect(std::function<void(QWidget*)> check) {
    return [check](QWidget* dialog) {
        check(dialog);
        qobject_cast<QDialog*>(dialog)->reject();
    };
}
