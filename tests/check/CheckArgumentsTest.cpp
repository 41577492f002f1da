#include "CheckArguments.h"

#include <gtest/gtest.h>

TEST(CheckArguments, TakesFilesAndOptionsInAnyOrder) {
    const CheckRequest r = ParseCheckArguments({"a.scn", "--json", "b.scn", "--", "--odd.scn"});
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_TRUE(r.json);
    EXPECT_FALSE(r.help);
    EXPECT_EQ(r.battlePaths, (QStringList{"a.scn", "b.scn", "--odd.scn"}));
}

TEST(CheckArguments, HelpAndVersionNeedNoFile) {
    EXPECT_TRUE(ParseCheckArguments({"--help"}).help);
    EXPECT_TRUE(ParseCheckArguments({"-h"}).ok);
    EXPECT_TRUE(ParseCheckArguments({"--version"}).version);
    EXPECT_TRUE(CheckHelpText().startsWith(kCheckUsage));
}

TEST(CheckArguments, RefusesWhatItDoesNotKnow) {
    const struct {
        QStringList arguments;
        const char* why;
    } cases[] = {
        {{}, "No battle file given."},
        {{"--json"}, "No battle file given."},
        {{"a.scn", "--fast"}, "Unknown option \"--fast\"."},
        {{"a.scn", ""}, "A file name is empty."},
    };
    for (const auto& c : cases) {
        const CheckRequest r = ParseCheckArguments(c.arguments);
        EXPECT_FALSE(r.ok) << c.why;
        EXPECT_EQ(r.error, c.why);
    }
}
