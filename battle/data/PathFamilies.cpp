#include "PathFamilies.h"

#include "BattleRecords.h"
#include "LoadedSymbolSet.h"

const std::array<const char*, 6> kDirectionNames = {"North", "North-East", "South-East",
                                                    "South", "South-West", "North-West"};
const std::array<const char*, 3> kAxisNames = {"N-S", "NE-SW", "SE-NW"};

namespace {

template <size_t N> int IndexOf(const std::array<const char*, N>& names, const QByteArray& word) {
    for (size_t i = 0; i < N; ++i)
        if (word == names[i])
            return int(i);
    return -1;
}

bool NameHas(const QString& name, std::initializer_list<const char*> words) {
    for (const char* w : words)
        if (name.contains(QLatin1String(w), Qt::CaseInsensitive))
            return true;
    return false;
}

template <class Family> int Named(const std::vector<Family>& list, const QString& name) {
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].name == name)
            return int(i);
    return -1;
}

} // namespace

QStringList PathFamily::missing() const {
    QStringList out;
    for (size_t d = 0; d < pieces.size(); ++d)
        if (pieces[d] == kNoSymbol)
            out.append(name + ' ' + kDirectionNames[d]);
    return out;
}

PathFamilies PathFamilies::Find(const std::vector<QByteArray>& terrainNames) {
    PathFamilies f;
    f.bySymbol_.resize(terrainNames.size());
    for (size_t s = 0; s < terrainNames.size(); ++s) {
        const QByteArray name = terrainNames[s].trimmed();
        const qsizetype space = name.lastIndexOf(' ');
        if (space <= 0)
            continue;
        const QString stem = QString::fromLatin1(name.left(space)).trimmed();
        const QByteArray word = name.mid(space + 1);
        PieceRef& ref = f.bySymbol_[s];
        if (const int d = IndexOf(kDirectionNames, word); d >= 0) {
            int k = Named(f.families_, stem);
            if (k < 0) {
                PathFamily family{stem, {}, NameHas(stem, {"River", "Stream", "Brook", "Creek"})};
                family.pieces.fill(kNoSymbol);
                f.families_.push_back(family);
                k = int(f.families_.size()) - 1;
            }
            // The first symbol of a name counts; a second one of the same name is no piece.
            if (f.families_[size_t(k)].pieces[size_t(d)] == kNoSymbol) {
                f.families_[size_t(k)].pieces[size_t(d)] = int(s);
                ref = {PieceRef::Path, k, d};
            }
        } else if (const int a = IndexOf(kAxisNames, word); a >= 0) {
            int k = Named(f.crossings_, stem);
            if (k < 0) {
                f.crossings_.push_back({stem, {kNoSymbol, kNoSymbol, kNoSymbol}});
                k = int(f.crossings_.size()) - 1;
            }
            if (f.crossings_[size_t(k)].pieces[size_t(a)] == kNoSymbol) {
                f.crossings_[size_t(k)].pieces[size_t(a)] = int(s);
                ref = {PieceRef::Crossing, k, a};
            }
        }
    }
    const int bridge = f.CrossingNamed(QStringLiteral("Bridge"));
    const int ford = f.CrossingNamed(QStringLiteral("Ford"));
    for (PathFamily& family : f.families_) {
        if (family.water)
            continue;
        if (NameHas(family.name, {"Road"}))
            family.crossing = bridge >= 0 ? bridge : ford;
        else if (NameHas(family.name, {"Track"}))
            family.crossing = ford >= 0 ? ford : bridge;
    }
    return f;
}

int PathFamilies::FamilyNamed(const QString& name) const {
    return Named(families_, name);
}

int PathFamilies::CrossingNamed(const QString& name) const {
    return Named(crossings_, name);
}

PieceRef PathFamilies::PieceOf(int symbol) const {
    if (symbol < 0 || symbol >= int(bySymbol_.size()))
        return {};
    return bySymbol_[size_t(symbol)];
}

int PathFamilies::WithDirection(int symbol, int direction) const {
    const PieceRef ref = PieceOf(symbol);
    if (ref.kind == PieceRef::Path)
        return families_[size_t(ref.family)].pieces[size_t(direction % 6)];
    if (ref.kind == PieceRef::Crossing)
        return crossings_[size_t(ref.family)].pieces[size_t(direction % 3)];
    return symbol;
}

std::vector<QByteArray> TerrainNames(const LoadedSymbolSet& set) {
    std::vector<QByteArray> names;
    for (const SymbolRecord& r : set.table(SymbolKind::Terrain))
        names.push_back(r.name);
    return names;
}
