#include "HexDialogFrame.h"

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

QFrame* BorderlessPanel(QDialog* dialog, const QString& heading, QVBoxLayout*& column) {
    dialog->setWindowTitle(heading);
    dialog->setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    auto* frame = new QFrame(dialog);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    auto* outer = new QVBoxLayout(dialog);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    auto* title = new QLabel(heading, frame);
    title->setObjectName(QStringLiteral("Heading"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    title->setAlignment(Qt::AlignCenter);
    column = new QVBoxLayout(frame);
    column->addWidget(title);
    return frame;
}
