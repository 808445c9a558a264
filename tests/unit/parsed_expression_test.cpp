// A parsed expression must behave exactly as its text does: the same value, the same
// variables afterwards, the same messages and the same stop request, on every run of it.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "fake_platform.h"
#include "script/evaluator.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

// One interpreter state: a Zerin with the same local and public variables set up.
struct World {
    test::FakePlatform fp;
    Zerin z{fp.platform};
    Variables locals;
    explicit World(const std::vector<std::string>& sets, const std::vector<std::string>& publics = {}) {
        registerAllCommands(z);
        for (const std::string& s : sets) doSet(z, s, locals);
        for (const std::string& p : publics) doPublic(z, p);
    }
    std::string state(const std::vector<std::string>& names) {
        std::string out;
        for (const std::string& n : names) {
            const std::string* v = locals.find(n);
            const std::string* p = z.publicVars.find(n);
            out += n + "=" + (v ? *v : "<none>") + "/" + (p ? *p : "<none>") + ";";
        }
        return out + "|" + z.txtDebug.text() + "|" + (z.run.stopRequest ? "stop" : "go");
    }
};

const std::vector<std::string> kNames = {"n", "x", "a", "b", "big", "word", "rock", "n2"};

// Runs `text` `times` times through the text evaluator and through its parsed form, in two
// identical worlds, and compares everything after each run.
void expectSame(const std::string& text, const std::vector<std::string>& sets, int times = 3,
                const std::vector<std::string>& publics = {}) {
    std::optional<ParsedExpression> parsed = parseExpression(text);
    ASSERT_TRUE(parsed) << text;
    World byText(sets, publics), byParse(sets, publics);
    for (int i = 0; i < times; ++i) {
        std::string e = text;
        std::string fromText = evaluate(byText.z, e, byText.locals);
        std::string fromParse = evaluateParsed(byParse.z, *parsed, byParse.locals);
        EXPECT_EQ(fromParse, fromText) << text << " run " << i;
        EXPECT_EQ(byParse.state(kNames), byText.state(kNames)) << text << " run " << i;
    }
}

const std::vector<std::string> kSets = {"n 5", "x 2.5", "a 0", "b -3", "big 1e308", "word rock", "rock 7"};

TEST(ParsedExpression, ArithmeticComparisonsAndLogicMatchTheText) {
    for (const char* t : {"n + 1", "n - x * 2", "2 ^ 10 - 24", "n > 4", "n < x", "x = 2.5", "word = rock",
                          "word = Rock", "rock = word", "n and 1", "a or b", "0.1 + 0.2", "n / 4",
                          "unknown + 1", "N + 1", "1 + 2 abc", "n + 1 rest of line", "-3 * b",
                          "1e20 * 10", "n <> 5", "n == 3"})
        expectSame(t, kSets);
}

TEST(ParsedExpression, CompoundAssignmentsStoreTheSameOnEveryRun) {
    for (const char* t : {"n += 1", "x -= 0.1", "n *= 2", "x /= 3", "N += 1", "n2 += 1", "n += n",
                          "a += 1 + 2", "n += 1 > 6", "b == 4", "newname += 3"})
        expectSame(t, kSets, 4);
}

TEST(ParsedExpression, PublicVariablesAndUnindexedNamesTakeTheGeneralPath) {
    // "n" is public as well: the store goes through do_set every time.
    expectSame("n += 1", kSets, 3, {"n = 10"});
    expectSame("n > 7", kSets, 2, {"n = 10"});
}

TEST(ParsedExpression, FailuresAreReportedAlike) {
    expectSame("n / 0", kSets, 1);
    expectSame("x /= 0", kSets, 1);
    expectSame("n % 2", kSets, 1);
    // The first step overflows and leaves no value: the rest is read as text from there.
    expectSame("big * 10 + 1", kSets, 2);
    expectSame("big * big > 1 + 2", kSets, 2);
    expectSame("1 to 4", kSets, 2);
    expectSame("5 to 1 step -2", kSets, 1);
    expectSame("1 to 3 step 0", kSets, 1);
}

TEST(ParsedExpression, TextThatIsNoExpressionIsNotParsed) {
    EXPECT_FALSE(parseExpression("abc"));
    EXPECT_FALSE(parseExpression("n +"));
    EXPECT_FALSE(parseExpression("n + 1 +"));
    EXPECT_FALSE(parseExpression(""));
}

// The remembered place of a variable must not outlive the variable: erased, taken out of
// the index or put back, the next run reads what the text would.
TEST(ParsedExpression, AChangedStoreIsSeenOnTheNextRun) {
    std::optional<ParsedExpression> parsed = parseExpression("n += 1");
    ASSERT_TRUE(parsed);
    World w({"n 1"});
    evaluateParsed(w.z, *parsed, w.locals);
    EXPECT_EQ(*w.locals.find("n"), "2");
    w.locals.erase("n");
    w.locals.indexRemove("n");
    World text({"n 1"});
    text.locals.erase("n");
    text.locals.indexRemove("n");
    std::string e = "n += 1";
    EXPECT_EQ(evaluateParsed(w.z, *parsed, w.locals), evaluate(text.z, e, text.locals));
    EXPECT_EQ(w.state(kNames), text.state(kNames));
    doSet(w.z, "n 40", w.locals);
    doSet(text.z, "n 40", text.locals);
    e = "n += 1";
    EXPECT_EQ(evaluateParsed(w.z, *parsed, w.locals), evaluate(text.z, e, text.locals));
    EXPECT_EQ(*w.locals.find("n"), "41");
    EXPECT_EQ(w.state(kNames), text.state(kNames));
}

// A parsed expression run against another store (a nested run's) never uses what it
// found in the first.
TEST(ParsedExpression, APlaceFoundInOneStoreIsNotUsedInAnother) {
    std::optional<ParsedExpression> parsed = parseExpression("n += 1");
    ASSERT_TRUE(parsed);
    World w({"n 1"});
    evaluateParsed(w.z, *parsed, w.locals);
    auto other = std::make_unique<Variables>();
    doSet(w.z, "n 100", *other);
    evaluateParsed(w.z, *parsed, *other);
    EXPECT_EQ(*other->find("n"), "101");
    EXPECT_EQ(*w.locals.find("n"), "2");
    Variables copy = w.locals;
    evaluateParsed(w.z, *parsed, copy);
    EXPECT_EQ(*copy.find("n"), "3");
    EXPECT_EQ(*w.locals.find("n"), "2");
}

}  // namespace
