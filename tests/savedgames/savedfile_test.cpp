#include "savedgames/savedfile.h"
#include "tests/records/recordtesting.h"

#include "engine/codes.h"
#include "tests/play/gametesting.h"
#include "tests/records/recordtesting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace tc {
namespace {

namespace fs = std::filesystem;
using namespace testkit;

// ---- An independent writer: the record laid out by hand, byte by byte ----

struct Bytes {
    std::vector<uint8_t> b;
    Bytes& I(int v) {
        b.push_back(static_cast<uint8_t>(v & 0xFF));
        b.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
        return *this;
    }
    Bytes& S(const std::string& s) {
        I(static_cast<int>(s.size()));
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    Bytes& Ints(int n, int v = 0) {
        for (int i = 0; i < n; ++i) I(v);
        return *this;
    }
    Bytes& Strings(int n) {
        for (int i = 0; i < n; ++i) S("");
        return *this;
    }
    std::vector<uint8_t> Padded() const {
        std::vector<uint8_t> out = b;
        out.resize(722, 0);
        return out;
    }
};

// Lays out any record, sound or not, without looking at the conditions.
std::vector<uint8_t> Layout(const Savedgame& g, bool pad = true) {
    Bytes w;
    w.I(static_cast<int>(g.Whoguess)).S(g.Inputmethod).S(g.Displaymode).I(g.Computermarks);
    for (int v : {g.Ncolours, g.Starttype, g.Starttrial, g.Codelength, g.Fixedlength, g.Hinttype,
                  g.Ordertype, g.Maxrepeat})
        w.I(v);
    w.S(g.Status).I(g.Trial).I(g.Finaltrial).S(g.Answer);
    for (const auto& s : g.Guesses) w.S(s);
    for (int v : g.Blacks) w.I(v);
    for (int v : g.Whites) w.I(v);
    for (int v : g.Corrects) w.I(v);
    w.I(g.Errorpending).S(g.Errortrials).S(g.Trueblacks).S(g.Truewhites).I(g.Claimtrial);
    for (const auto& s : g.Newcolours) w.S(s);
    for (const auto& s : g.Newcounts) w.S(s);
    for (const auto& s : g.Choice) w.S(s);
    w.S(g.Colourorder).S(g.Currentstring);
    for (int v : g.Used) w.I(v);
    for (int v : g.Absent) w.I(v);
    w.I(g.Elapsed);
    return pad ? w.Padded() : w.b;
}

// "You guess", 6 colours, length 4, random order, at most 2 copies, hints may contain errors;
// three rows played, the hint of trial 2 falsified (true 0/0, shown 1/0), 125 seconds.
Savedgame Youguessinplay() {
    Savedgame g;
    g.Whoguess = Role::Youguess;
    g.Inputmethod = "Keyboard";
    g.Displaymode = "Number";
    g.Ncolours = 6;
    g.Codelength = 4;
    g.Hinttype = 2;
    g.Ordertype = 2;
    g.Maxrepeat = 2;
    g.Status = "Playing";
    g.Trial = g.Finaltrial = 3;
    g.Answer = "0112";
    g.Guesses[1] = "0123";
    g.Guesses[2] = "4455";
    g.Guesses[3] = "1102";
    g.Blacks = {0, 2, 1, 2};
    g.Whites = {0, 1, 0, 2};
    g.Errorpending = -1;
    g.Errortrials = "2";
    g.Trueblacks = "0";
    g.Truewhites = "0";
    g.Elapsed = 125;
    return g;
}

// "Computer guesses" with the player marking, 6 colours, length 4, fixed order, any repetition:
// two rows marked, the third guess waiting for marks, and the search state behind it.
Savedgame Playermarkinginplay() {
    Savedgame g;
    g.Whoguess = Role::Computerguesses;
    g.Computermarks = 0;
    g.Ncolours = 6;
    g.Codelength = 4;
    g.Maxrepeat = 4;
    g.Status = "Playing";
    g.Trial = 3;
    g.Finaltrial = 2;
    g.Guesses[1] = "0133";
    g.Guesses[2] = "0000";
    g.Blacks = {0, 1, 1};
    g.Corrects = {0, 1, 1};
    g.Newcolours[1] = "013";
    g.Newcounts[1] = "112";
    g.Choice[1] = "100";
    g.Newcolours[2] = "0";
    g.Newcounts[2] = "3";
    g.Choice[2] = "0";
    g.Colourorder = "310542";
    g.Currentstring = "0455";
    g.Used = {4, 1, 0, 2};
    g.Absent = {3, 1, 0, 2};
    g.Elapsed = 42;
    return g;
}

TEST(Savedfilelayout, HandWrittenRecordDecodesFieldByField) {
    Bytes w;
    w.I(1).S("Keyboard").S("Number").I(0);     // role, input, display, marking
    w.I(6).I(1).I(1).I(4).I(1).I(2).I(2).I(2); // setting
    w.S("Playing").I(3).I(3).S("0112");        // status, trial, rows, answer
    w.S("").S("0123").S("4455").S("1102").Strings(24);
    w.I(0).I(2).I(1).I(2).Ints(24);         // blacks
    w.I(0).I(1).I(0).I(2).Ints(24);         // whites
    w.Ints(28);                             // corrects (not stored in this role)
    w.I(-1).S("2").S("0").S("0").I(0);      // error flag, trials, true marks, claim
    w.Strings(28 * 3).S("").S("").Ints(20); // no search state in this role
    w.I(125);
    const std::vector<uint8_t> file = w.Padded();
    ASSERT_EQ(file.size(), 722u);

    const Decoded d = Decode(file);
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(*d.Game, Youguessinplay());
    // The independent layout agrees with the hand-written bytes.
    EXPECT_EQ(Layout(Youguessinplay()), file);
}

TEST(Savedfilelayout, EncodingPutsEveryFieldAtItsOffset) {
    const Savedgame g = Playermarkinginplay();
    const Encoded e = Encode(g);
    ASSERT_TRUE(e) << e.Reason;
    const std::vector<uint8_t>& b = e.Bytes;
    ASSERT_EQ(b.size(), 722u);
    size_t at = 0;
    auto i16 = [&](const std::string& what) {
        SCOPED_TRACE(what + " at " + std::to_string(at));
        const int v = static_cast<int16_t>(b[at] | b[at + 1] << 8);
        at += 2;
        return v;
    };
    auto str = [&](const std::string& what) {
        const int n = i16(what);
        std::string s(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at + n));
        at += static_cast<size_t>(n);
        return s;
    };
    EXPECT_EQ(i16("role"), 2);
    EXPECT_EQ(str("input"), "Mouse");
    EXPECT_EQ(at, 9u);
    EXPECT_EQ(str("display"), "Colour");
    EXPECT_EQ(at, 17u);
    EXPECT_EQ(i16("marking"), 0);
    for (int v : {6, 1, 1, 4, 1, 1, 1, 4}) EXPECT_EQ(i16("setting"), v);
    EXPECT_EQ(at, 35u);
    EXPECT_EQ(str("status"), "Playing");
    EXPECT_EQ(i16("trial"), 3);
    EXPECT_EQ(i16("rows"), 2);
    EXPECT_EQ(at, 48u);
    EXPECT_EQ(str("answer"), ""); // the player keeps the code
    const std::vector<std::string> guesses = {"", "0133", "0000"};
    for (int k = 0; k < 28; ++k)
        EXPECT_EQ(str("guess"), k < 3 ? guesses[static_cast<size_t>(k)] : "") << k;
    EXPECT_EQ(at, 50u + 56u + 8u);
    for (int k = 0; k < 28; ++k) EXPECT_EQ(i16("black"), k == 1 || k == 2 ? 1 : 0);
    for (int k = 0; k < 28; ++k) EXPECT_EQ(i16("white"), 0);
    for (int k = 0; k < 28; ++k) EXPECT_EQ(i16("correct"), k == 1 || k == 2 ? 1 : 0);
    EXPECT_EQ(at, 114u + 3 * 56u);
    EXPECT_EQ(i16("error flag"), 0);
    EXPECT_EQ(str("error trials"), "");
    EXPECT_EQ(str("true blacks"), "");
    EXPECT_EQ(str("true whites"), "");
    EXPECT_EQ(i16("claim"), 0);
    EXPECT_EQ(at, 292u);
    const char* newcolours[] = {"", "013", "0"};
    const char* newcounts[] = {"", "112", "3"};
    const char* choice[] = {"", "100", "0"};
    for (const char** field : {newcolours, newcounts, choice})
        for (int k = 0; k < 28; ++k) EXPECT_EQ(str("search"), k < 3 ? field[k] : "") << k;
    EXPECT_EQ(at, 292u + 3 * 56u + 3 * 4u);
    EXPECT_EQ(str("colour order"), "310542");
    EXPECT_EQ(str("current"), "0455");
    for (int v : {4, 1, 0, 2, 0, 0, 0, 0, 0, 0}) EXPECT_EQ(i16("used"), v);
    for (int v : {3, 1, 0, 2, 0, 0, 0, 0, 0, 0}) EXPECT_EQ(i16("absent"), v);
    EXPECT_EQ(i16("seconds"), 42);
    // All integers and counts take 480 bytes; the rest is characters, then zero padding.
    EXPECT_EQ(at, 480u + 5 + 6 + 7 + 8 + 12 + 6 + 4);
    for (size_t k = at; k < b.size(); ++k) ASSERT_EQ(b[k], 0) << k;
    EXPECT_EQ(Layout(g), b);
}

// ---- Round trips ----

struct Case {
    const char* name;
    std::function<Savedgame()> make;
};

Savedgame Finished(Savedgame g, const char* status) {
    g.Status = status;
    return g;
}

std::vector<Case> Everyroleandstatus() {
    std::vector<Case> cases;
    for (const char* status : {"Playing", "Continue Playing", "Win", "Gameover", "Error Detected",
                               "End Game", "Hint(s) Consistent", "Late Detection of Error"})
        cases.push_back({status, [status] { return Finished(Youguessinplay(), status); }});
    // "Computer guesses", the player marking: in play, won (answer kept) and lost (no answer).
    cases.push_back({"player marks, playing", Playermarkinginplay});
    cases.push_back({"player marks, win", [] {
                         Savedgame g = Playermarkinginplay();
                         g.Status = "Win";
                         g.Finaltrial = 3;
                         g.Guesses[3] = g.Answer = "0455";
                         g.Blacks[3] = g.Corrects[3] = 4;
                         return g;
                     }});
    for (const char* status : {"Gameover", "Error Detected", "End Game"})
        cases.push_back({status, [status] { return Finished(Playermarkinginplay(), status); }});
    // "Computer guesses", the computer marking; and "Watch computer play" with errors.
    for (const char* status : {"Win", "Gameover", "End Game"})
        cases.push_back({status, [status] {
                             Savedgame g = Finished(Youguessinplay(), status);
                             g.Whoguess = Role::Computerguesses;
                             g.Computermarks = -1;
                             g.Hinttype = 1;
                             g.Errorpending = 0;
                             g.Errortrials = g.Trueblacks = g.Truewhites = "";
                             g.Starttype = 2;
                             g.Starttrial = 3;
                             return g;
                         }});
    for (const char* status : {"Win", "Gameover", "Error Detected", "Late Detection of Error"})
        cases.push_back({status, [status] {
                             Savedgame g = Finished(Youguessinplay(), status);
                             g.Whoguess = Role::Watch;
                             g.Starttype = 2;
                             g.Starttrial = 0;
                             g.Claimtrial = 3;
                             return g;
                         }});
    return cases;
}

TEST(Savedfileroundtrip, EveryRoleAndStatusComesBackThroughTheFileAndTheGame) {
    for (const Case& c : Everyroleandstatus()) {
        const Savedgame g = c.make();
        SCOPED_TRACE(std::string(c.name) + ", role " +
                     std::to_string(static_cast<int>(g.Whoguess)));
        ASSERT_EQ(Check(g), "");
        const Encoded e = Encode(g);
        ASSERT_TRUE(e) << e.Reason;
        const Decoded d = Decode(e.Bytes);
        ASSERT_TRUE(d) << d.Reason;
        EXPECT_EQ(*d.Game, g);

        testkit::Plaingame plain(3);
        Game& game = plain.g;
        ASSERT_EQ(Restore(game, *d.Game), "");
        EXPECT_EQ(game.Rec.Savedstate, Filestate::Loaded);
        EXPECT_EQ(game.Rec.Carriedseconds, g.Elapsed);
        EXPECT_EQ(Capture(game), g);
    }
}

TEST(Savedfileroundtrip, PlayerMarkingKeepsNoAnswerUnlessWon) {
    Savedgame g = Finished(Playermarkinginplay(), "Gameover");
    g.Answer = "0255"; // whatever the game held, the file has no room for it in this role
    const Encoded e = Encode(g);
    ASSERT_TRUE(e) << e.Reason;
    const size_t answer = 35 + 2 + 8 + 4; // after "Gameover", the trial and the rows
    EXPECT_EQ(e.Bytes[answer], 0);
    EXPECT_EQ(e.Bytes[answer + 1], 0);
    EXPECT_EQ(Decode(e.Bytes).Game->Answer, "");

    g.Status = "Win";
    g.Answer = "0455";
    g.Finaltrial = 3;
    g.Guesses[3] = "0455";
    g.Blacks[3] = g.Corrects[3] = 4;
    const Decoded won = Decode(Encode(g).Bytes);
    ASSERT_TRUE(won) << won.Reason;
    EXPECT_EQ(won.Game->Answer, "0455");
}

TEST(Savedfileroundtrip, SearchStateIsKeptOnlyWhenThePlayerMarks) {
    // The computer marking: the search state is not stored, whatever the game held.
    Savedgame g = Finished(Playermarkinginplay(), "Gameover");
    g.Computermarks = -1;
    g.Answer = "0255";
    const Decoded d = Decode(Encode(g).Bytes);
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(d.Game->Colourorder, "");
    EXPECT_EQ(d.Game->Newcolours[1], "");
    EXPECT_EQ(d.Game->Used[0], 0);
    EXPECT_EQ(d.Game->Answer, "0255");
    // With no second of play the block is left out by the layout; the capture of a game saved
    // in its first second counts one second so that its search state survives.
    Savedgame zero = Finished(Playermarkinginplay(), "Gameover");
    zero.Elapsed = 0;
    EXPECT_EQ(Decode(Encode(zero).Bytes).Game->Colourorder, "");
}

// A "Computer guesses" game with the player marking against `code`, driven through the game's
// own procedures.
struct Markedgame : testkit::Plaingame {
    Markedgame(const Gamesetting& s, const char* order) : Plaingame(17) {
        g.Setting = s;
        g.Setting.Whoguess = Role::Computerguesses;
        g.Main.Optnomark.Value = true;
        g.Plan.Colourorder = Str(order);
        g.Gamestarter.Initialize();
        g.Gamestarter.Startgame();
        g.Computerplay.Getguess();
    }
    void Mark(const Str& code) {
        const Hint h = Markguess(g.Rec.Currentstring, code, g.Setting);
        g.Rec.Currenthint = h;
        g.Marking.Processmark();
        g.Computerplay.Getguess();
    }
};

TEST(Savedfileroundtrip, ARestoredSearchGoesOnExactlyAsTheOriginal) {
    struct Setup {
        Gamesetting s;
        const char* order;
        const char* code;
    };
    const Setup setups[] = {{Makesetting(6, 4, Any, Fixed), "310542", "0255"},
                            {Makesetting(8, 5, 2, Random), "73025164", "73310"},
                            {Makesetting(7, 5, Any, Random, true), "6035142", "14bb4"}};
    for (const Setup& u : setups) {
        SCOPED_TRACE(Describe(u.s));
        Markedgame original(u.s, u.order);
        for (int i = 0; i < 2 && original.g.Rec.Inplay(); ++i) original.Mark(Str(u.code));
        ASSERT_TRUE(original.g.Rec.Inplay());
        original.g.Rec.Finaltrial = original.g.Rec.Trial - 1;
        original.g.Rec.Elapsed = 77;

        const Decoded d = Decode(Encode(Capture(original.g)).Bytes);
        ASSERT_TRUE(d) << d.Reason;
        testkit::Plaingame plain(99);
        Game& loaded = plain.g;
        ASSERT_EQ(Restore(loaded, *d.Game), "");
        EXPECT_EQ(loaded.Rec.Currentstring, original.g.Rec.Currentstring);
        EXPECT_EQ(loaded.Rec.Inputblanks, Countchar(original.g.Rec.Currentstring, 'b'));

        // Both answer the same marks; the restored search must offer the same guesses.
        for (int step = 0; step < 25 && original.g.Rec.Inplay(); ++step) {
            const Str guess = original.g.Rec.Currentstring;
            ASSERT_EQ(loaded.Rec.Currentstring, guess) << "step " << step;
            if (guess == Str(u.code)) break;
            original.Mark(Str(u.code));
            const Hint h = Markguess(guess, Str(u.code), loaded.Setting);
            loaded.Rec.Currenthint = h;
            loaded.Marking.Processmark();
            loaded.Computerplay.Getguess();
            EXPECT_EQ(loaded.Rec.Status, original.g.Rec.Status);
        }
        EXPECT_EQ(loaded.Rec.Currentstring, Str(u.code));
    }
}

TEST(Savedfileroundtrip, AWatchedGameComesBackRowForRow) {
    testkit::Plaingame plain(5);
    Game& g = plain.g;
    g.Setting = Makesetting(8, 5, Any, Random);
    Playgame(g, "12331", "45012367");
    ASSERT_EQ(g.Rec.Status, Gamestatus::Win);
    g.Rec.Elapsed = 0;
    const Decoded d = Decode(Encode(Capture(g)).Bytes);
    ASSERT_TRUE(d) << d.Reason;
    Game loaded(plain.rnd, plain.rec, plain.clock);
    ASSERT_EQ(Restore(loaded, *d.Game), "");
    EXPECT_EQ(loaded.Setting, g.Setting);
    EXPECT_EQ(loaded.Rec.Answer, "12331");
    EXPECT_EQ(loaded.Rec.Finaltrial, g.Rec.Finaltrial);
    for (int k = 1; k <= g.Rec.Finaltrial; ++k) {
        EXPECT_EQ(loaded.Rec.Guesses[k], g.Rec.Guesses[k]) << k;
        EXPECT_EQ(loaded.Rec.Blacks[k], g.Rec.Blacks[k]) << k;
        EXPECT_EQ(loaded.Rec.Whites[k], g.Rec.Whites[k]) << k;
        EXPECT_EQ(loaded.Rec.Corrects[k], g.Rec.Corrects[k]) << k;
    }
}

TEST(Savedfilerestore, FillsWhatTheFileCannotHoldButTheGameNeeds) {
    testkit::Plaingame plain(1);
    Game& game = plain.g;
    // The falsified hint of trial 2 hid the answer itself.
    Savedgame g = Youguessinplay();
    g.Guesses[2] = g.Answer;
    g.Blacks[2] = 3;
    g.Whites[2] = 0;
    g.Trueblacks = "4";
    ASSERT_EQ(Restore(game, g), "");
    EXPECT_EQ(game.Rec.Solvedunseen, -1);
    EXPECT_EQ(game.Rec.Solvedtrial, 2);
    // A claim replays the hints with the codebreaker, which needs a colour order.
    EXPECT_EQ(game.Rec.Colourorder, "012345");
    EXPECT_EQ(game.Rec.Corrects[3], 4);
    EXPECT_EQ(game.Rec.Timetext, "2 minutes 5 seconds");
    EXPECT_EQ(game.Main.Inputmethod, Inputkind::Keyboard);
    EXPECT_EQ(game.Main.Displaymode, Displaykind::Number);
}

TEST(Savedfilerestore, GameSavedInItsFirstSecondKeepsTheGuessAwaitingMarks) {
    Markedgame m(Makesetting(6, 4, Any, Fixed), "310542");
    m.g.Rec.Finaltrial = m.g.Rec.Trial - 1;
    m.g.Rec.Elapsed = 0;
    const Savedgame g = Capture(m.g);
    EXPECT_EQ(g.Elapsed, 1);
    const Decoded d = Decode(Encode(g).Bytes);
    ASSERT_TRUE(d) << d.Reason;
    ASSERT_FALSE(m.g.Rec.Currentstring.empty());
    EXPECT_EQ(d.Game->Currentstring, m.g.Rec.Currentstring.str());
}

// ---- Refusals ----

TEST(Savedfilerefusal, EveryShortenedRecordIsRefusedAsTooShort) {
    const std::vector<uint8_t> full = Layout(Playermarkinginplay(), false);
    for (size_t n = 0; n < full.size(); ++n) {
        const Decoded d = Decode(std::span(full.data(), n));
        ASSERT_FALSE(d) << n;
        // A cut inside a string's characters is a count running past the end.
        EXPECT_TRUE(d.Reason.find("too short") != std::string::npos ||
                    d.Reason.find("characters but only") != std::string::npos)
            << n << ": " << d.Reason;
    }
    EXPECT_TRUE(Decode(full)) << "the whole record, unpadded, is a game";
}

TEST(Savedfilerefusal, CountsRunningPastTheRecordAreRefused) {
    std::vector<uint8_t> b = Layout(Youguessinplay());
    b[2] = 0xFF; // the input method claims 65535 characters
    b[3] = 0xFF;
    Decoded d = Decode(b);
    ASSERT_FALSE(d);
    EXPECT_NE(d.Reason.find("the input method claims 65535 characters"), std::string::npos);

    // Bytes beyond the 722 of the record are not part of it, even when the file has them.
    Savedgame g = Youguessinplay();
    std::vector<uint8_t> longer = Layout(g, false);
    const size_t status = 2 + 10 + 8 + 2 + 16;
    ASSERT_EQ(longer[status], 7);
    const size_t claim = 722 - status - 1;
    longer[status] = static_cast<uint8_t>(claim & 0xFF);
    longer[status + 1] = static_cast<uint8_t>(claim >> 8);
    longer.resize(2000, 'x');
    d = Decode(longer);
    ASSERT_FALSE(d);
    EXPECT_NE(d.Reason.find("the status claims"), std::string::npos) << d.Reason;
}

TEST(Savedfilerefusal, ValuesOutOfRangeAndGuessesBreakingTheSetting) {
    struct Mutation {
        const char* what;
        std::function<void(Savedgame&)> change;
        const char* reason;
    };
    const std::vector<Mutation> mutations = {
        {"role", [](Savedgame& g) { g.Whoguess = static_cast<Role>(4); }, "role"},
        {"input", [](Savedgame& g) { g.Inputmethod = "mouse"; }, "input method"},
        {"display", [](Savedgame& g) { g.Displaymode = ""; }, "display"},
        {"colours", [](Savedgame& g) { g.Ncolours = 11; }, "number of colours"},
        {"too few colours", [](Savedgame& g) { g.Ncolours = 5; }, "too long"},
        {"length", [](Savedgame& g) { g.Codelength = 9; }, "code length"},
        {"unspecified 3", [](Savedgame& g) { g.Codelength = 3, g.Fixedlength = 0; }, "4 to 8"},
        {"repetition", [](Savedgame& g) { g.Maxrepeat = 5; }, "repetition"},
        {"start", [](Savedgame& g) { g.Starttrial = 2; }, "start"},
        {"middle 10", [](Savedgame& g) { g.Starttype = 2, g.Starttrial = 10; }, "start trial"},
        {"trial 0 rows", [](Savedgame& g) { g.Starttype = 2, g.Starttrial = 0; }, "start trial"},
        {"status", [](Savedgame& g) { g.Status = "Preparation"; }, "status"},
        {"trial", [](Savedgame& g) { g.Trial = g.Finaltrial = 28; }, "trial number"},
        {"rows", [](Savedgame& g) { g.Finaltrial = -1; }, "rows"},
        {"rows behind", [](Savedgame& g) { g.Finaltrial = 2; }, "rows"},
        {"no trial left", [](Savedgame& g) { g.Trial = g.Finaltrial = 27; }, "no trial left"},
        {"answer", [](Savedgame& g) { g.Answer = "0111"; }, "answer"},
        {"colour", [](Savedgame& g) { g.Guesses[3] = "0126"; }, "guess of trial 3"},
        {"copies", [](Savedgame& g) { g.Guesses[1] = "0001"; }, "guess of trial 1"},
        {"blank", [](Savedgame& g) { g.Guesses[2] = "445b"; }, "guess of trial 2"},
        {"short guess", [](Savedgame& g) { g.Guesses[3] = "012"; }, "guess of trial 3"},
        {"long guess", [](Savedgame& g) { g.Guesses[3] = std::string(40, '1'); }, "trial 3"},
        {"hint", [](Savedgame& g) { g.Blacks[1] = 5; }, "hint of trial 1"},
        {"marks", [](Savedgame& g) { g.Whites[1] = 3; }, "hint of trial 1"},
        {"negative", [](Savedgame& g) { g.Whites[2] = -1; }, "hint of trial 2"},
        {"flag", [](Savedgame& g) { g.Errorpending = 1; }, "error flag"},
        {"error trials", [](Savedgame& g) { g.Errortrials = "20"; }, "falsified"},
        {"three errors", [](Savedgame& g) { g.Errortrials = "234"; }, "more than two"},
        {"true marks", [](Savedgame& g) { g.Truewhites = "05"; }, "true"},
        {"pending, none", [](Savedgame& g) { g.Trueblacks = g.Truewhites = ""; }, "falsified"},
        {"future error", [](Savedgame& g) { g.Errortrials = "9"; }, "not yet"},
        {"claim", [](Savedgame& g) { g.Claimtrial = 40; }, "claimed"},
        {"seconds", [](Savedgame& g) { g.Elapsed = 3700; }, "an hour"},
        {"negative time", [](Savedgame& g) { g.Elapsed = -5; }, "negative"},
        {"computer alone", [](Savedgame& g) { g.Whoguess = Role::Watch; }, "by itself"},
        {"errors, no error", [](Savedgame& g) { g.Hinttype = 1; }, "without hint errors"},
    };
    for (const Mutation& m : mutations) {
        Savedgame g = Youguessinplay();
        m.change(g);
        const Decoded d = Decode(Layout(g));
        ASSERT_FALSE(d) << m.what;
        EXPECT_NE(d.Reason.find(m.reason), std::string::npos) << m.what << ": " << d.Reason;
        EXPECT_FALSE(Encode(g)) << m.what << ": a record that cannot be read is not written";
    }
}

// The file holds 16 bits a number: one beyond them is refused, never written wrapped.
TEST(Savedfilerefusal, NumbersBeyondSixteenBitsAreNotWritten) {
    Savedgame g = Finished(Youguessinplay(), "Gameover");
    g.Elapsed = 32767;
    const Encoded e = Encode(g);
    ASSERT_TRUE(e) << e.Reason;
    EXPECT_EQ(Decode(e.Bytes).Game->Elapsed, 32767);
    g.Elapsed = 32768;
    const Encoded wide = Encode(g);
    EXPECT_FALSE(wide);
    EXPECT_EQ(wide.Reason, "the game cannot be saved: the file cannot hold the seconds of play");
}

TEST(Savedfilerefusal, BrokenSearchStateIsRefused) {
    struct Mutation {
        const char* what;
        std::function<void(Savedgame&)> change;
        const char* reason;
    };
    const std::vector<Mutation> mutations = {
        {"order", [](Savedgame& g) { g.Colourorder = "310545"; }, "colour order"},
        {"short order", [](Savedgame& g) { g.Colourorder = "31054"; }, "colour order"},
        {"current", [](Savedgame& g) { g.Currentstring = "0545"; }, "current guess"},
        {"no current", [](Savedgame& g) { g.Currentstring = ""; }, "waiting for marks"},
        {"no seconds", [](Savedgame& g) { g.Elapsed = 0; }, "search state is missing"},
        {"computer marks", [](Savedgame& g) { g.Computermarks = -1; }, "by itself"},
        {"marking", [](Savedgame& g) { g.Computermarks = 1; }, "marking"},
        {"errors", [](Savedgame& g) { g.Hinttype = 2; }, "errors"},
        {"nothing to mark", [](Savedgame& g) { g.Trial = 0, g.Finaltrial = 0; }, "no guess"},
        {"correct", [](Savedgame& g) { g.Corrects[2] = 2; }, "disagrees"},
        {"colours", [](Savedgame& g) { g.Newcolours[1] = "031"; }, "new colours"},
        {"colour 6", [](Savedgame& g) { g.Newcolours[2] = "6"; }, "new colours"},
        {"counts", [](Savedgame& g) { g.Newcounts[1] = "11"; }, "new copies"},
        {"count 0", [](Savedgame& g) { g.Newcounts[2] = "0"; }, "new copies"},
        {"choice", [](Savedgame& g) { g.Choice[1] = "1000"; }, "assumed copies"},
        {"choice over", [](Savedgame& g) { g.Choice[1] = "200"; }, "assumed copies"},
        {"skeleton", [](Savedgame& g) { g.Choice[2] = "3", g.Choice[1] = "112"; }, "more copies"},
        {"used", [](Savedgame& g) { g.Used[7] = 1; }, "copies tried of colour 7"},
        {"absent", [](Savedgame& g) { g.Absent[1] = 2; }, "assumed absent of colour 1"},
        {"claim", [](Savedgame& g) { g.Claimtrial = 1; }, "claim"},
    };
    for (const Mutation& m : mutations) {
        Savedgame g = Playermarkinginplay();
        m.change(g);
        const Decoded d = Decode(Layout(g));
        ASSERT_FALSE(d) << m.what;
        EXPECT_NE(d.Reason.find(m.reason), std::string::npos) << m.what << ": " << d.Reason;
    }
}

TEST(Savedfilerefusal, RestoreChangesNothingWhenItRefuses) {
    Markedgame m(Makesetting(6, 4, Any, Fixed), "310542");
    m.Mark(Str("0255"));
    const Savedgame before = Capture(m.g);
    const Gamesetting setting = m.g.Setting;
    const Gamestatus status = m.g.Rec.Status;
    const Filestate savedstate = m.g.Rec.Savedstate;
    Savedgame bad = Youguessinplay();
    bad.Guesses[3] = "9999";
    EXPECT_NE(Restore(m.g, bad), "");
    EXPECT_EQ(Capture(m.g), before);
    EXPECT_EQ(m.g.Setting, setting);
    EXPECT_EQ(m.g.Rec.Status, status);
    EXPECT_EQ(m.g.Rec.Savedstate, savedstate);
}

// ---- Files ----

class Savedfilefiles : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() / ("tintcipher-saved-" + std::string(info->name()) + "-" +
                                           std::to_string(reinterpret_cast<uintptr_t>(this)));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, ec);
        fs::remove_all(dir, ec);
    }
    static std::vector<uint8_t> Contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    static void Put(const fs::path& p, const std::vector<uint8_t>& b) {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
    }
    fs::path dir;
};

TEST_F(Savedfilefiles, WritesTheRecordAndReadsItBack) {
    const fs::path p = dir / "game.tc";
    ASSERT_EQ(Writesavedgame(p, Youguessinplay()), "");
    EXPECT_EQ(fs::file_size(p), 722u);
    const Decoded d = Readsavedgame(p);
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(*d.Game, Youguessinplay());
    // Writing over it replaces it whole and leaves nothing else in the folder.
    ASSERT_EQ(Writesavedgame(p, Playermarkinginplay()), "");
    EXPECT_EQ(*Readsavedgame(p).Game, Playermarkinginplay());
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(Savedfilefiles, AnOldTailAfterTheRecordIsIgnored) {
    const fs::path p = dir / "old.tc";
    std::vector<uint8_t> b = Layout(Youguessinplay(), false);
    b.resize(1500, 0x41);
    Put(p, b);
    const Decoded d = Readsavedgame(p);
    ASSERT_TRUE(d) << d.Reason;
    EXPECT_EQ(*d.Game, Youguessinplay());
}

TEST_F(Savedfilefiles, ReadingRefusesMissingEmptyAndForeignFiles) {
    EXPECT_FALSE(Readsavedgame(dir / "missing.tc"));
    Put(dir / "empty.tc", {});
    EXPECT_EQ(Readsavedgame(dir / "empty.tc").Reason, "the file is empty");
    Put(dir / "text.tc", std::vector<uint8_t>(722, ' '));
    EXPECT_FALSE(Readsavedgame(dir / "text.tc"));
    EXPECT_FALSE(Readsavedgame(dir));
}

TEST_F(Savedfilefiles, AMissingFolderIsReported) {
    const std::string r = Writesavedgame(dir / "nowhere" / "game.tc", Youguessinplay());
    EXPECT_NE(r.find("does not exist"), std::string::npos) << r;
    EXPECT_FALSE(fs::exists(dir / "nowhere"));
}

TEST_F(Savedfilefiles, AFailedWriteLeavesTheOldFileWhole) {
    const fs::path p = dir / "game.tc";
    ASSERT_EQ(Writesavedgame(p, Youguessinplay()), "");
    const std::vector<uint8_t> old = Contents(p);

    // A record too long for the file: 27 rows of length 8.
    Savedgame big = Youguessinplay();
    big.Ncolours = 10;
    big.Codelength = 8;
    big.Maxrepeat = 8;
    big.Answer = "01234567";
    big.Status = "Gameover";
    big.Trial = big.Finaltrial = 27;
    for (int k = 1; k <= 27; ++k) {
        big.Guesses[k] = std::string(8, static_cast<char>('0' + k % 10));
        big.Blacks[k] = 1;
        big.Whites[k] = 0;
    }
    const std::string r = Writesavedgame(p, big);
    EXPECT_NE(r.find("more than the 722"), std::string::npos) << r;
    EXPECT_EQ(Contents(p), old);

    // The disk fills up while the record is written.
    {
        testkit::Fulldisk full(100);
        EXPECT_NE(Writesavedgame(p, Playermarkinginplay()), "");
    }
    EXPECT_EQ(Contents(p), old);

    // The name to write is a folder: the move into place fails and nothing is left behind.
    fs::create_directories(dir / "folder.tc" / "inside");
    EXPECT_NE(Writesavedgame(dir / "folder.tc", Playermarkinginplay()), "");
    EXPECT_TRUE(fs::is_directory(dir / "folder.tc" / "inside"));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 2);
    fs::remove_all(dir / "folder.tc");

    // A folder that cannot be written.
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    if (std::ofstream(dir / "probe")) GTEST_SKIP() << "permissions are not enforced here";
    const std::string denied = Writesavedgame(p, Playermarkinginplay());
    EXPECT_NE(denied, "");
    EXPECT_EQ(Contents(p), old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

} // namespace
} // namespace tc
