#include "MapScaleMenu.h"

#include "DisplayScale.h"

#include <QActionGroup>

QMenu* AddMapScaleMenu(QMenu* preferences, int current, std::function<void(int)> chosen) {
    QMenu* menu = preferences->addMenu(QStringLiteral("Map Scale"));
    menu->setObjectName(QStringLiteral("MapScale"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (int scale = kDesktopMapScale; scale <= kMaxMapScale; ++scale) {
        QAction* a =
            menu->addAction(scale == kDesktopMapScale ? QStringLiteral("As the Desktop")
                                                      : QString::number(scale) + QChar(0x00d7));
        a->setObjectName(QStringLiteral("MapScale%1").arg(scale));
        a->setCheckable(true);
        a->setChecked(scale == current);
        group->addAction(a);
        QObject::connect(a, &QAction::triggered, menu, [chosen, scale] { chosen(scale); });
    }
    return menu;
}
