#pragma once
// Small builders shared by the battle data tests.

#include "Battle.h"
#include "Definitions.h"

#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

#include <ostream>

// Readable failure messages for Qt texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Collects the messages the data layer would show.
struct MessageLog {
    std::vector<std::pair<QString, QString>> messages; // caption, text
    MessageSink sink() {
        return [this](const QString& caption, const QString& text) {
            messages.emplace_back(caption, text);
        };
    }
    QStringList texts() const {
        QStringList out;
        for (const auto& m : messages)
            out.append(m.second);
        return out;
    }
};

// An empty battle of cols × rows on the standard set.
inline Battle NewBattle(int cols = 10, int rows = 10) {
    Battle b;
    b.settings.mapCols = cols;
    b.settings.mapRows = rows;
    b.settings.battleName = "Test Battle";
    b.settings.sideAName = "Western Forces";
    b.settings.sideBName = "Eastern Forces";
    b.settings.maxTurns = 30;
    b.settings.headerWord = 25;
    b.settings.headerByte = 1;
    b.InitNewBattle(nullptr);
    return b;
}

inline UnitRecord Unit(int side, int wing = 0, int men = 100, int morale = 100) {
    UnitRecord u;
    u.side = side;
    u.wing = wing;
    u.men = men;
    u.morale = morale;
    return u;
}

inline int HexAt(const Battle& b, int row, int col) {
    return row * b.settings.mapCols + col;
}

// Combat weapons of ratings 0, 30, 60; missile weapons "none" and one of rating 30;
// armour and shields of ratings 0, 20, 40.
inline Definitions SmallDefinitions() {
    Definitions d;
    d.missileWeapons = {{"None", 0, 0, 0, 0, 0}, {"Bow", 5, 8, 30, 1, 2}};
    d.combatWeapons = {{"Fist", 0, 0, 0}, {"Spear", 6, 8, 30}, {"Pike", 9, 18, 60}};
    d.armour = {{"None", 0, 0}, {"Leather", 20, 5}, {"Mail", 40, 12}};
    d.shields = {{"None", 0, 0}, {"Buckler", 20, 3}, {"Kite", 40, 7}};
    d.classes = StandardUnitClasses();
    return d;
}
