// The command-line companion, run as a separate process.
#include "tests/tools/clirun.h"
#include <gtest/gtest.h>
#include <string>
#include <utility>

namespace {

using tc::testkit::Cli;
using tc::testkit::Clirun;

const std::string Example = "--colours 6 --length 4 --repeat any --code 0255 --colour-order 310542";

TEST(Cli, WorkedExampleTranscripts) {
    Clirun r = Cli("play " + Example + " --order fixed");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 0133 1\n2 0000 1\n3 0455 3\n4 0445 2\n5 0555 3\n6 0255 4\nWIN 6\n");
    EXPECT_EQ(r.err, "");
    r = Cli("play " + Example + " --order random");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 3310 0 1\n2 0005 2 0\n3 0042 1 1\n4 0255 4 0\nWIN 4\n");
    EXPECT_EQ(r.err, "");
}

TEST(Cli, MiddleStartPrintsTheGivenRows) {
    const Clirun r = Cli("play " + Example + " --order random --start 3 --rows 3310,0005");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 3310 0 1\n2 0005 2 0\n3 0042 1 1\n4 0255 4 0\nWIN 2\n");
}

TEST(Cli, PlannedErrorsAreDetectedAndCorrected) {
    // Trial 2 (0005, truly 2 black) is shown with one black less.
    Clirun r = Cli("play " + Example + " --order random --errors 2");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("1 3310 0 1\n2 0005 1 0\n", 0), 0u) << r.out;
    auto detected = r.out.find("DETECTED ");
    auto corrected = r.out.find("CORRECTED\n");
    ASSERT_NE(detected, std::string::npos) << r.out;
    ASSERT_NE(corrected, std::string::npos) << r.out;
    EXPECT_LT(detected, corrected);
    EXPECT_NE(r.out.find(" 0255 4 0\nWIN "), std::string::npos) << r.out;

    for (const char* errors : {"1", "3", "13", "24"}) {
        r = Cli("play " + Example + " --order fixed --errors " + errors);
        EXPECT_EQ(r.status, 0) << errors;
        EXPECT_NE(r.out.find("CORRECTED\n"), std::string::npos) << errors << "\n" << r.out;
        EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1, 4), "WIN ") << r.out;
        EXPECT_EQ(r.out.find("BUG"), std::string::npos) << r.out;
    }
}

TEST(Cli, UsageErrorsPlayNothing) {
    const char* bad[] = {
        "play --colours 5 --length 4 --repeat any --order fixed --code 0123",
        "play --colours 6 --length 4 --repeat any --order fixed --code 0256",
        "play --colours 6 --length 4 --repeat any --order fixed --code 2550",   // not canonical
        "play --colours 6 --length 4 --repeat none --order random --code 0255", // repeats
        "play --colours 6 --length 4 --repeat any --order random --code 025",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --colour-order 31054",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --colour-order 310543",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --frobnicate 1",
        "play --colours 6x --length 4 --repeat any --order random --code 0255",
        "play --colours 6 --length 4 --repeat 9 --order random --code 0255",
        "play --colours 6 --length 4 --repeat any --order sideways --code 0255",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --start 3 --rows 3310",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --start 3 "
        "--rows 3310,0255",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --start 3 "
        "--rows 3310,3310",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --start 3 "
        "--rows 3310,0005,",
        "play --colours 6 --length 4 --repeat any --order random --code 0255 --errors 31",
        "play --colours 6 --length 4 --repeat any --order random",
        "simulate --colours 6 --length 4 --repeat any --order random --threads 0",
        "simulate --colours 6 --length 4 --repeat any --order random --code 0255",
        "frobnicate",
    };
    for (const char* args : bad) {
        const Clirun r = Cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        ASSERT_FALSE(r.err.empty()) << args;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << "\n" << r.err;
    }
}

TEST(Cli, OutputThatCannotBeWrittenIsAFailure) {
    const std::string all[] = {"--help", "play --help", "play " + Example + " --order fixed",
                               "simulate --colours 5 --length 3 --repeat none --order fixed"};
    for (const std::string& args : all) {
        const Clirun r = Cli(args + " >/dev/full");
        EXPECT_EQ(r.status, 3) << args;
        EXPECT_EQ(r.err, "tintcipher-cli: the output could not be written (No space left on "
                         "device)\n")
            << args;
    }
}

TEST(Cli, EveryUsageErrorIsOneLineOnStandardErrorNamingWhatIsAccepted) {
    const std::string sim = "simulate --colours 6 --length 4 --order random --repeat ";
    const std::pair<std::string, std::string> cases[] = {
        {"", "a command is needed: play, simulate, show-game, records or signature"},
        {"frobnicate", "a command is one of play, simulate, show-game, records or signature"},
        {sim + "any --unspecified --unspecified", "--unspecified given twice"},
        {sim + "ANY", "--repeat takes none, any or a number 2..3"},
        {sim + "any --threads 1000", "--threads takes a number 1..256, not 1000"},
        {sim + "any --threads 123456789012345678901234567890", "--threads takes a number 1..256"},
        {"simulate --colours 6x --length 4 --repeat any --order fixed",
         "--colours takes a number 5..10, not '6x'"},
        {"simulate --length 4 --repeat any --order random", "missing --colours (5..10)"},
        {sim + "any --code 0255", "the options here are --colours, --length, --repeat, --order, "
                                  "--colour-order, --threads and --unspecified"},
        {"show-game", "show-game takes one file"},
        {"show-game /dev/null", "/dev/null: it is not a regular file"},
        {"show-game 'no\x1b[2J\nsuch\x7f'", "no\\x1B[2J\\x0Asuch\\x7F: the file cannot be opened"},
    };
    for (const auto& [args, message] : cases) {
        const Clirun r = Cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_NE(r.err.find(message), std::string::npos) << args << "\n" << r.err;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << args << "\n" << r.err;
    }
}

TEST(Cli, SimulationDoesNotDependOnThreads) {
    const std::string setting =
        "simulate --colours 6 --length 4 --unspecified --repeat 2 --order random "
        "--colour-order 405132";
    const Clirun one = Cli(setting + " --threads 1");
    const Clirun two = Cli(setting + " --threads 2");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(two.status, 0);
    EXPECT_EQ(one.out, two.out);
    EXPECT_EQ(one.out.rfind("Average number of attempts: ", 0), 0u) << one.out;

    const Clirun fixed = Cli("simulate --colours 5 --length 3 --repeat none --order fixed "
                             "--colour-order 01234 --threads 2");
    EXPECT_EQ(fixed.status, 0);
    EXPECT_NE(fixed.out.find(" / 10 = "), std::string::npos) << fixed.out;
    const Clirun random = Cli("simulate --colours 5 --length 3 --repeat none --order random "
                              "--colour-order 01234 --threads 2");
    EXPECT_NE(random.out.find(" / 60 = "), std::string::npos) << random.out;
}

} // namespace
