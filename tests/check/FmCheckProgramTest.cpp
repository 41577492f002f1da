// fmcheck run as a program, as designers and build scripts run it: without a display, one
// line or one JSON object per problem, and an exit status for each outcome.

#include "Battle.h"
#include "BattleFile.h"
#include "Definitions.h"
#include "HeadlessRun.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

HeadlessRun RunCheck(const QStringList& arguments, const QString& workingDir) {
    return RunHeadless(FM_CHECK_PROGRAM, arguments, workingDir);
}

// A copy of the generated program folder, to change without touching the original.
bool CopyFolder(const QString& from, const QString& to) {
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        if (!QFile::copy(file, target))
            return false;
    }
    return true;
}

class FmCheck : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        folder = dir.filePath("program");
        ASSERT_TRUE(CopyFolder(FM_TEST_PROGRAM_FOLDER, folder));
        sample = folder + "/Battles/sample.scn";
        ASSERT_TRUE(LoadDefinitions(folder, defs, nullptr));
    }
    // The sample battle, changed by `edit`, saved beside it as `name`.
    QString SampleWith(const QString& name, const std::function<void(Battle&)>& edit) {
        Battle b;
        EXPECT_TRUE(ReadBattleFile(sample, b, nullptr));
        edit(b);
        const QString path = folder + "/Battles/" + name;
        EXPECT_TRUE(WriteBattleFile(path, b, defs, kMaxTerrainAttrs, nullptr));
        return path;
    }
    QTemporaryDir dir;
    QString folder, sample;
    Definitions defs;
};

const QRegularExpression kLine(R"(^(.+\.scn)(:(\d+))?: (error|warning): (.+): (.+)$)");

TEST_F(FmCheck, TheSampleBattleHasNoErrors) {
    const HeadlessRun run = RunCheck({sample}, dir.path());
    EXPECT_EQ(run.status, 0) << qPrintable(run.out + run.errors);
    EXPECT_TRUE(run.errors.isEmpty()) << qPrintable(run.errors);
    for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts)) {
        const auto m = kLine.match(line);
        ASSERT_TRUE(m.hasMatch()) << qPrintable(line);
        EXPECT_EQ(m.captured(1), sample);
        EXPECT_EQ(m.captured(4), "warning");
    }
}

TEST_F(FmCheck, AnErrorGivesStatusOneAndALineAtItsHex) {
    int row = 0, col = 0;
    const QString broken = SampleWith("broken.scn", [&](Battle& b) {
        UnitRecord u = b.unit(3);
        u.men = 0;
        row = u.hex / b.settings.mapCols;
        col = u.hex % b.settings.mapCols;
        b.UpdateUnit(3, u);
    });
    const HeadlessRun run = RunCheck({broken}, dir.path());
    EXPECT_EQ(run.status, 1) << qPrintable(run.errors);
    const QString where = QString("%1:%2%3: error: ").arg(broken).arg(row).arg(col);
    EXPECT_TRUE(run.out.contains(where)) << qPrintable(where + "\n" + run.out);
    EXPECT_TRUE(run.out.contains("The unit has 0 men.")) << qPrintable(run.out);
    // Errors come first.
    EXPECT_TRUE(run.out.split('\n').first().contains(": error: ")) << qPrintable(run.out);
}

TEST_F(FmCheck, JsonHoldsTheSameProblemsAsTheLines) {
    const QString broken = SampleWith("broken.scn", [](Battle& b) { b.settings.maxTurns = 0; });
    const HeadlessRun lines = RunCheck({sample, broken}, dir.path());
    const HeadlessRun json = RunCheck({"--json", sample, broken}, dir.path());
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(lines.status, 1);
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json.out.toUtf8(), &error);
    ASSERT_TRUE(doc.isArray()) << qPrintable(error.errorString() + "\n" + json.out);
    const QStringList textLines = lines.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(doc.array().size(), textLines.size());
    for (int i = 0; i < textLines.size(); ++i) {
        const QJsonObject o = doc.array()[i].toObject();
        const QString hex = o["hex"].isNull() ? QString() : ":" + o["hex"].toString();
        EXPECT_EQ(textLines[i], QString("%1%2: %3: %4: %5")
                                    .arg(o["file"].toString(), hex, o["severity"].toString(),
                                         o["record"].toString(), o["message"].toString()));
        EXPECT_FALSE(o["check"].toString().isEmpty());
    }
    EXPECT_TRUE(json.out.contains("\"check\": \"no-turns\"")) << qPrintable(json.out);
}

TEST_F(FmCheck, AFileItCannotReadGivesStatusTwoAndSaysWhy) {
    // A missing battle among good ones: the others are still checked.
    HeadlessRun run = RunCheck({folder + "/Battles/missing.scn", sample}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains("missing.scn: the battle file does not exist"))
        << qPrintable(run.errors);

    // A damaged battle.
    const QString damaged = folder + "/Battles/damaged.scn";
    QFile original(sample);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    QFile cut(damaged);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(original.read(300));
    cut.close();
    run = RunCheck({damaged}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains("damaged.scn: the battle file cannot be read"))
        << qPrintable(run.errors);

    // No set beside the battle.
    ASSERT_TRUE(QFile::copy(sample, dir.filePath("alone.scn")));
    run = RunCheck({dir.filePath("alone.scn")}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains("symbol set \"varnholm\" cannot be read"))
        << qPrintable(run.errors);

    // A definition file missing from the program folder's defs.
    ASSERT_TRUE(QFile::remove(folder + "/defs/CWEAP.DEF"));
    run = RunCheck({sample}, dir.path());
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.errors.contains("Combat Weapon Definition File Not Found"))
        << qPrintable(run.errors);
    EXPECT_TRUE(run.out.isEmpty()) << qPrintable(run.out);
}

TEST_F(FmCheck, AMissingIconIsAWarning) {
    const QString renamed =
        SampleWith("noicon.scn", [](Battle& b) { b.settings.iconName = "trumpet"; });
    const HeadlessRun run = RunCheck({renamed}, dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains(renamed + ": warning: Battle: The icon \"trumpet.bmp\" is not in"))
        << qPrintable(run.out);
}

TEST_F(FmCheck, HelpVersionAndABadCommandLine) {
    HeadlessRun run = RunCheck({"--help"}, dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.startsWith("usage: fmcheck BATTLE.scn")) << qPrintable(run.out);
    EXPECT_TRUE(run.out.contains("Exit status")) << qPrintable(run.out);
    run = RunCheck({"--version"}, dir.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(QRegularExpression(R"(^fmcheck \d+\.\d+\.\d+\n$)").match(run.out).hasMatch())
        << qPrintable(run.out);
    for (const QStringList& arguments : {QStringList{}, QStringList{sample, "--fast"}}) {
        run = RunCheck(arguments, dir.path());
        EXPECT_EQ(run.status, 2) << qPrintable(arguments.join(' '));
        EXPECT_TRUE(run.errors.contains("usage: fmcheck BATTLE.scn")) << qPrintable(run.errors);
        EXPECT_TRUE(run.out.isEmpty());
    }
}

} // namespace
