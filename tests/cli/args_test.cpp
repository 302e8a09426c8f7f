#include "cli/args.hpp"
#include "cli/cli.hpp"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

TEST(CliOptions, ParsesValuesAndFlagsAndRejectsTheRest) {
    const std::vector<std::string> args = {"--span", "3000", "--per-metre", "--z", "-5"};
    cli::Options o(args, {"span", "z"}, {"per-metre"});
    ASSERT_TRUE(o.ok()) << o.error();
    EXPECT_EQ(o.get("span", ""), "3000");
    EXPECT_EQ(o.get("z", ""), "-5"); // a negative number is a value, not an option
    EXPECT_TRUE(o.has("per-metre"));
    EXPECT_FALSE(o.has("l1"));

    EXPECT_FALSE(cli::Options(std::vector<std::string>{"--span"}, {"span"}, {}).ok());
    EXPECT_FALSE(cli::Options(std::vector<std::string>{"--bogus", "1"}, {"span"}, {}).ok());
    EXPECT_FALSE(cli::Options(std::vector<std::string>{"3000"}, {"span"}, {}).ok());
}

// (That a full-width label takes two columns of the table is the guide's examples'.)
TEST(CliOutput, JsonEscapes) {
    std::ostringstream json;
    cli::writeJsonObject(json, {{"a\"b", "x\\y\n"}}, "");
    EXPECT_EQ(json.str(), R"({"a\"b": "x\\y\n"})");
}

TEST(CliRun, NoCommandOpensTheWindowAndUnknownCommandIsAUsageError) {
    std::ostringstream out, err;
    char prog[] = "hari", bogus[] = "bogus", platform[] = "-platform";
    char* none[] = {prog};
    EXPECT_FALSE(cli::run(1, none, out, err).has_value());
    char* qtOption[] = {prog, platform};
    EXPECT_FALSE(cli::run(2, qtOption, out, err).has_value());
    char* unknown[] = {prog, bogus};
    EXPECT_EQ(cli::run(2, unknown, out, err), cli::kUsage);
    EXPECT_NE(err.str().find("unknown command"), std::string::npos);
}

// Through the built program: a refused section exits with 2 and says why. (That the program
// finds its tables relative to itself is the package test's, run from an unrelated folder.)
TEST(CliRun, TheBuiltProgramExitsWithTheCommandsStatus) {
    const auto run = [](const std::string& command, std::string& out) {
        FILE* pipe = popen(command.c_str(), "r");
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        return WEXITSTATUS(pclose(pipe));
    };
    std::string out;
    EXPECT_EQ(run(HARI_BINARY_DIR "/bin/hari section --shape 1 --dims 50,25 2>&1", out),
              cli::kNoResult);
    EXPECT_EQ(out, "パイプの肉厚が半径を超えてます。\n");
}

} // namespace
