// The command-line companion's records command, run as a separate process on Winners files made
// in a temporary folder.
#include "records/winners.h"
#include "tests/records/recordtesting.h"
#include "tests/tools/clirun.h"
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace tc {
namespace {

namespace fs = std::filesystem;
using testkit::Cli;
using testkit::Clirun;
using testkit::Filebytes;
using testkit::Putbytes;
using testkit::Tempfolder;
using testkit::Testclock;

class Recordscli : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Restorewinners(dir.Path(), clock));
        // 6 colours, length 4, any repetition, fixed order: from trial 1 with no error, and
        // the same from the middle with hints that may contain errors.
        Gamesetting s;
        s.Ncolours = 6;
        s.Codelength = 4;
        s.Maxrepeat = 4;
        first = Settingslot(s);
        s.Starttype = Startkind::Middle;
        s.Hinttype = Hintkind::Errors;
        other = Settingslot(s);
        Winnersrecord r;
        Put(r, first, 1, "Ada", 30, 5);
        Put(r, first, 2, "Zo\xEB Li", 30, 6);
        Put(r, first, 3, "Real", 3599, 27);
        r.Average[first] = 5.2634f;
        r.Population[first] = 120;
        Put(r, other, 1, "Mid", 12, 3);
        ASSERT_EQ(Writewinners(File(6), r, clock), Writeresult::Written);
    }
    static void Put(Winnersrecord& r, int slot, int place, const std::string& name, int seconds,
                    int attempts) {
        const int i = Entryindex(slot, place);
        r.Player[i] = name;
        r.Duration[i] = seconds;
        r.Attempt[i] = attempts;
    }
    fs::path File(int n) const { return Winnersfile(dir.Path(), n); }
    std::string Folder() const { return " --folder '" + dir.Path().string() + "'"; }

    Tempfolder dir;
    Testclock clock;
    int first = 0, other = 0;
    const std::string setting = "records --colours 6 --length 4 --repeat any --order fixed";
};

TEST_F(Recordscli, PrintsTheEntriesAndStatisticsOfTheSetting) {
    Clirun r = Cli(setting + Folder());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "1 30 5 Ada\n2 30 6 Zo\xC3\xAB Li\n3 3599 27 Real\n4 - -\n5 - -\n"
                     "AVERAGE 5.2634\nPOPULATION 120\n");

    r = Cli(setting + " --middle --hint-errors" + Folder());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 12 3 Mid\n2 - -\n3 - -\n4 - -\n5 - -\nAVERAGE 0\nPOPULATION 0\n");

    // Another slot of the same file, and another file.
    r = Cli(setting + " --middle" + Folder());
    EXPECT_EQ(r.out, "1 - -\n2 - -\n3 - -\n4 - -\n5 - -\nAVERAGE 0\nPOPULATION 0\n");
    r = Cli("records --colours 7 --length 4 --repeat any --order fixed" + Folder());
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1 - -\n2 - -\n3 - -\n4 - -\n5 - -\nAVERAGE 0\nPOPULATION 0\n");
}

TEST_F(Recordscli, ControlCharactersInNamesAndFolderNamesAreEscaped) {
    Winnersrecord r = Readwinners(File(6)).Record;
    Put(r, first, 4, "A\x1b[2J\nB\x9b", 50, 9);
    ASSERT_EQ(Writewinners(File(6), r, clock), Writeresult::Written);
    EXPECT_NE(Cli(setting + Folder()).out.find("\n4 50 9 A\\x1B[2J\\x0AB\\xC2\\x9B\n5 - -\n"),
              std::string::npos);
    const Clirun bad = Cli(setting + " --folder '" + dir.Path().string() + "/\x1b]0;x\x07'");
    EXPECT_NE(bad.err.find(dir.Path().string() + "/\\x1B]0;x\\x07/Winners"), std::string::npos)
        << bad.err;
}

TEST_F(Recordscli, FilesThatFailTheStartUpCheckGiveOneLineAndStatusTwo) {
    // Made with the program's own writer, so only what is done below spoils them.
    ASSERT_EQ(Cli(setting + Folder()).status, 0);

    // Altered: a file changed after its stamp, even another number of colours.
    const auto t9 = fs::last_write_time(File(9));
    fs::last_write_time(File(9), t9 + std::chrono::seconds(60));
    Clirun r = Cli(setting + Folder());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tintcipher-cli: " + File(9).string() +
                         ": The Winners files have been altered improperly by someone.\n");
    fs::last_write_time(File(9), t9);
    ASSERT_EQ(Cli(setting + Folder()).status, 0);

    // Malformed: a name length running past the record, with the file's time kept.
    const auto t6 = fs::last_write_time(File(6));
    std::vector<unsigned char> bytes = Filebytes(File(6));
    bytes[8 + 2 * 3000] = 0xFF;
    bytes[8 + 2 * 3000 + 1] = 0x7F;
    Putbytes(File(6), bytes);
    fs::last_write_time(File(6), t6);
    r = Cli(setting + Folder());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "tintcipher-cli: " + File(6).string() +
                         ": Some of the Winners file has been altered improperly by someone.\n");

    // Missing: the first missing file is named.
    fs::remove(File(8));
    fs::remove(File(10));
    r = Cli(setting + Folder());
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "tintcipher-cli: " + File(8).string() + ": Some of the Winners files are missing.\n");

    // A folder without any Winners files.
    Tempfolder empty;
    r = Cli(setting + " --folder '" + empty.Path().string() + "'");
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "tintcipher-cli: " + Winnersfile(empty.Path(), 5).string() +
                         ": Some of the Winners files are missing.\n");
}

TEST_F(Recordscli, WithoutAFolderTheCurrentFolderIsRead) {
    const fs::path app = fs::path(TINTCIPHER_CLI).parent_path().parent_path() / "app";
    if (fs::is_directory(app / "Winners"))
        GTEST_SKIP() << "the build's program folder has Winners files, and they come first";
    const Clirun r = Cli(setting, dir.Path());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.substr(0, 11), "1 30 5 Ada\n");
}

TEST_F(Recordscli, UsageErrors) {
    for (const char* args :
         {"records --colours 6 --length 4 --repeat any",
          "records --colours 6 --length 5 "
          "--repeat any --order fixed",
          "records --colours 6 --length 4 --repeat any --order fixed --threads 2",
          "records --colours 6 --length 4 --repeat any --order fixed --folder",
          "records --colours 6 --length 4 --repeat any --order fixed --folder a --folder b"}) {
        const Clirun r = Cli(args);
        EXPECT_EQ(r.status, 2) << args;
        EXPECT_EQ(r.out, "") << args;
        EXPECT_NE(r.err.find("(see --help)"), std::string::npos) << args << ": " << r.err;
    }
    const Clirun help = Cli("records --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("records SETTING [--middle] [--hint-errors] [--folder DIR]"),
              std::string::npos);
}

} // namespace
} // namespace tc
