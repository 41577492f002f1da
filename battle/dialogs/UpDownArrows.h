#pragma once
// A pair of small arrow buttons that step a value shown beside them. Holding an arrow
// repeats the step.

#include <QWidget>

class UpDownArrows : public QWidget {
    Q_OBJECT
public:
    explicit UpDownArrows(const QString& name, QWidget* parent = nullptr);
    // One click of an arrow, as a typed value reaches its number.
    void Step(bool up) { emit stepped(up); }

signals:
    void stepped(bool up);
};
