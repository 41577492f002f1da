#include "TAboutMBld.h"

#include "AboveToolWindows.h"
#include "ProgramFolder.h"
#include "SettingsControls.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kLogoWidth = 360; // the logo is shown no wider than this
}

TAboutMBld::TAboutMBld(const QString& programFolder, QWidget* parent) : QDialog(parent) {
    KeepAboveToolWindows(this);
    setObjectName(QStringLiteral("AboutMBld"));
    setWindowTitle(QStringLiteral("About Fieldmark Varnholm"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);

    const QImage logo(
        FindEntry(FindEntry(programFolder, QStringLiteral("bmps")), QStringLiteral("fmedt.bmp")));
    if (!logo.isNull()) {
        QLabel* picture = NamedLabel(QStringLiteral("Logo"), this);
        const QImage shown = logo.width() > kLogoWidth
                                 ? logo.scaledToWidth(kLogoWidth, Qt::SmoothTransformation)
                                 : logo;
        picture->setPixmap(QPixmap::fromImage(shown));
        picture->setAlignment(Qt::AlignCenter);
        layout->addWidget(picture);
    }

    QLabel* name = NamedLabel(QStringLiteral("ProgramName"), this);
    name->setText(QStringLiteral("Fieldmark Varnholm"));
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    QLabel* what = NamedLabel(QStringLiteral("Purpose"), this);
    what->setText(QStringLiteral("The battle editor: lays out the battles of the hex-map "
                                 "tactical wargame."));
    what->setWordWrap(true);
    what->setAlignment(Qt::AlignCenter);
    layout->addWidget(name);
    layout->addWidget(what);

    QPushButton* ok = NamedButton(QStringLiteral("OK"), QStringLiteral("OKButton"), this);
    ok->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
