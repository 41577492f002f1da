// Writes the seed corpora of the fuzz targets: well-formed files made with the project's
// own writers, and hand-made malformed ones. Run by hand: fm_fuzz_seeds <corpus folder>
// [<program folder with defs>].
#include "Battle.h"
#include "BattleFile.h"
#include "Definitions.h"
#include "FuzzFiles.h"
#include "SdxFile.h"
#include "SetFile.h"
#include "SetMaintenance.h"
#include "SymbolStorage.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void Seed(const QString& corpus, const QString& target, const QString& name,
          const QByteArray& bytes) {
    QDir(corpus).mkpath(target);
    WriteFile(corpus + "/" + target, name, bytes);
}

// A small real-hex set with two terrain symbols and a masked unit.
QString SmallSet(const QString& folder) {
    SymbolSet set;
    CreateNewSet(set, folder, LayoutVertical, true, {5, 10, 15});
    AddSymbol(set, SymbolKind::Terrain, "Woods", {}, qRgb(20, 120, 30));
    AddSymbol(set, SymbolKind::Unit, "Foot", {QSize(4, 4), QSize(7, 7), QSize(10, 10)},
              qRgb(200, 30, 30));
    LevelPictures pictures;
    bool transparent = false;
    LoadSymbol(set, SymbolKind::Unit, 1, pictures, transparent);
    for (QImage& p : pictures)
        p.setPixel(0, 0, qRgb(0, 0, 0));
    StoreSymbol(set, SymbolKind::Unit, 1, pictures, true);
    return set.setPath;
}

QList<QByteArray> SetFiles(const QString& setPath) {
    static const QStringList suffixes{".set",    "-t1.bmp", "-t2.bmp", "-t3.bmp",
                                      "-u1.bmp", "-u2.bmp", "-u3.bmp", "-m1.bmp",
                                      "-m2.bmp", "-m3.bmp", ".sdx"};
    QList<QByteArray> parts;
    const QString base = setPath.left(setPath.size() - 4);
    for (const QString& suffix : suffixes)
        parts.append(ReadAll(base + suffix));
    return parts;
}

QByteArray SmallBattle() {
    Battle b;
    b.settings.mapCols = 12;
    b.settings.mapRows = 10;
    b.settings.battleName = "Seed";
    b.settings.sideAName = "West";
    b.settings.sideBName = "East";
    b.InitNewBattle({});
    b.AddWingName("Van");
    UnitRecord leader;
    leader.wingLeader = 1;
    leader.commandRange = 4;
    leader.leaderRating = 3;
    leader.men = 120;
    b.AddUnit(leader, 14);
    UnitRecord late;
    late.side = 2;
    late.wing = 1;
    late.activationTurn = 3;
    late.men = 300;
    b.AddUnit(late, 40);
    b.SetReinforcementMarker(40, 28);
    StructureRecord s;
    b.AddStructure(s, 50);
    ObjectiveRecord o;
    b.AddObjective(o, 60);
    MapTextRecord t;
    t.text = "Varnholm";
    t.fontSize = {6, 8, 10};
    t.orientation = {1, 2, 3};
    b.AddMapText(t, 70);
    b.SetTerrainSlot(3, 1, 4);
    b.SetCaltropsMarker(5, 30);
    return EncodeBattle(b, 3, 4);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const QString corpus = QString::fromLocal8Bit(argv[1]);
    const QString stock = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QTemporaryDir dir;
    const QString setPath = SmallSet(dir.path());
    const QList<QByteArray> files = SetFiles(setPath);

    // The ".set" file and its damaged forms.
    const QByteArray set = files[0];
    Seed(corpus, "SetFile", "small.set", set);
    Seed(corpus, "SetFile", "truncated.set", set.left(set.size() / 2));
    QByteArray wrongMarker = set;
    wrongMarker[0] = char(251);
    Seed(corpus, "SetFile", "marker.set", wrongMarker);
    QByteArray tooMany = set;
    tooMany[4] = char(8);
    tooMany[5] = char(1); // 2001 terrain symbols
    Seed(corpus, "SetFile", "toomany.set", tooMany);
    QByteArray longName = set;
    longName.replace(82, 6, QByteArray(30, 'n'));
    Seed(corpus, "SetFile", "longname.set", longName);
    if (!stock.isEmpty())
        Seed(corpus, "SetFile", "varnholm.set", ReadAll(stock + "/Battles/varnholm.set"));

    Seed(corpus, "OrderFile", "good.sdx",
         QByteArray("\x03\x02", 2) + SerializeOrder({3, 1, 2}, {2, 1}));
    Seed(corpus, "OrderFile", "repeat.sdx", QByteArray("\x02\x01", 2) + "1\r\n1\r\n1\r\n");
    Seed(corpus, "OrderFile", "junk.sdx",
         QByteArray("\x02\x01", 2) + "1\r\n-7\r\nx\r\n99999999999\r\n");

    const QByteArray battle = SmallBattle();
    Seed(corpus, "BattleFile", "small.scn", battle);
    Seed(corpus, "BattleFile", "truncated.scn", battle.left(battle.size() - 9));
    if (!stock.isEmpty() && QFile::exists(stock + "/Battles/sample.scn"))
        Seed(corpus, "BattleFile", "sample.scn", ReadAll(stock + "/Battles/sample.scn"));

    Seed(corpus, "BattleList", "two.lst", QByteArray("\x02/tmp/a.scn\0/tmp/b.scn\0", 24));
    Seed(corpus, "BattleList", "short.lst", QByteArray("\x05/tmp/a", 7));
    Seed(corpus, "BattleList", "long.lst", QByteArray("\x01", 1) + QByteArray(400, 'p'));

    if (!stock.isEmpty()) {
        QList<QByteArray> defs;
        for (const char* name : {"MWEAP.DEF", "CWEAP.DEF", "UARMOR.DEF", "USHIELD.DEF"})
            defs.append(ReadAll(stock + "/defs/" + name));
        Seed(corpus, "Definitions", "stock.def", JoinParts(defs));
    }
    Seed(corpus, "Definitions", "short.def",
         JoinParts({"Bow  1  2", "", "$", QByteArray(300, '9')}));

    Seed(corpus, "Preferences", "default.prf", "16711935\n");
    Seed(corpus, "Preferences", "junk.prf", "-5\r\n99999999999999999999\n");
    Seed(corpus, "Preferences", "empty.prf", "");
    Seed(corpus, "BattlePreferences", "scale2.prf", "MapScale=2\n");
    Seed(corpus, "BattlePreferences", "mixed.prf",
         "junk\r\n MapScale = 3 \r\nMapScale=9\nMapScale=-1\nMapScale=\n=\n");
    Seed(corpus, "BattlePreferences", "empty.prf", "");

    Seed(corpus, "SetDirectory", "small.set", JoinParts(files));
    QList<QByteArray> noOrder = files;
    noOrder.removeLast();
    Seed(corpus, "SetDirectory", "noorder.set", JoinParts(noOrder));
    QList<QByteArray> swapped = files;
    std::swap(swapped[1], swapped[3]); // a terrain bitmap of the wrong size
    Seed(corpus, "SetDirectory", "swapped.set", JoinParts(swapped));
    QList<QByteArray> maskAsPicture = files;
    maskAsPicture[4] = files[7]; // a one-bit picture where a colour one belongs
    Seed(corpus, "SetDirectory", "depth.set", JoinParts(maskAsPicture));
    return 0;
}
