#pragma once
// Helpers shared by the game-level tests: settings by their parts, every valid code of a setting
// found by brute force, the hint-agreement check, a game alone for its procedures, a media device
// that records, and a loaded game run in virtual time with the player's usual steps.
#include "engine/codes.h"
#include "play/autoplay.h"
#include "play/game.h"
#include "records/winnersbook.h"
#include "system/media.h"
#include "system/timerhost.h"
#include "tests/records/recordtesting.h"
#include <cstdint>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace tc::testkit {

constexpr int Any = 0; // repetition "May be repeated any times"
constexpr int Fixed = 1, Random = 2;

// A "Watch computer play" setting from trial 1 with hints "No error". `length` is the fixed
// length, or N of "Unspecified (3 - N)" when `unspecified`.
inline Gamesetting Makesetting(int colours, int length, int maxrepeat, int order,
                               bool unspecified = false, int who = 3) {
    Gamesetting s;
    s.Whoguess = static_cast<Role>(who);
    s.Ncolours = colours;
    s.Codelength = length;
    s.Fixedlength = unspecified ? 0 : 1;
    s.Maxblanks = unspecified ? length - 3 : 0;
    s.Maxrepeat = maxrepeat == Any ? length : maxrepeat;
    s.Ordertype = static_cast<Orderkind>(order);
    s.Starttype = Startkind::Trialone;
    s.Starttrial = 1;
    s.Hinttype = Hintkind::Noerror;
    return s;
}

inline std::string Describe(const Gamesetting& s) {
    return std::to_string(s.Ncolours) + " colours, " + (s.Fixedlength ? "length " : "3 - ") +
           std::to_string(s.Codelength) + ", repeat " + std::to_string(s.Maxrepeat) +
           (s.Fixedorder() ? ", fixed order" : ", random order");
}

// Names a parameterised case by its setting's parts, "c6_L4_rep2_random_unspecified" or
// "c5_L3_anyrep_fixed", so that a failure says which setting it was.
struct Settingname {
    template <class Info> std::string operator()(const Info& info) const {
        const auto& p = info.param;
        std::ostringstream n;
        n << 'c' << p.colours << "_L" << p.length << '_';
        if (p.rep == Any)
            n << "anyrep";
        else
            n << "rep" << p.rep;
        n << (p.order == Fixed ? "_fixed" : "_random") << (p.unspecified ? "_unspecified" : "");
        return n.str();
    }
};

// Every string of the setting's characters that obeys the setting, by brute force (independent
// of the simulation's odometer).
inline std::vector<Str> Allcodes(const Gamesetting& s) {
    const Str a = Allowedchars(s);
    std::vector<Str> out;
    std::vector<int> idx(static_cast<size_t>(s.Codelength), 0);
    for (;;) {
        Str c;
        for (int i : idx) c.push_back(a[i]);
        if (Validcode(c, s)) out.push_back(c);
        int p = s.Codelength - 1;
        while (p >= 0 && idx[static_cast<size_t>(p)] == a.size() - 1)
            idx[static_cast<size_t>(p--)] = 0;
        if (p < 0) return out;
        ++idx[static_cast<size_t>(p)];
    }
}

// True when `candidate`, taken as the code, would have given every trial 1..upto the hint stored
// for it (in fixed order the single count). Those trials were not won, so it is none of them:
// with blanks the marks alone cannot tell 000b from the code 000b.
inline bool Satisfies(const Str& candidate, const Gamerecord& r, const Gamesetting& s, int upto) {
    for (int u = 1; u <= upto; ++u) {
        if (r.Guesses[u] == candidate) return false;
        const Hint h = Markguess(r.Guesses[u], candidate, s);
        if (h.black != r.Blacks[u]) return false;
        if (!s.Fixedorder() && h.white != r.Whites[u]) return false;
    }
    return true;
}

// The rows 1..upto as "guess black white; ..." for failure messages.
inline std::string History(const Gamerecord& r, int upto) {
    std::string out;
    for (int u = 1; u <= upto; ++u)
        out += " " + r.Guesses[u].str() + " " + std::to_string(r.Blacks[u]) + "/" +
               std::to_string(r.Whites[u]) + ";";
    return out;
}

// A game alone: its clock stands still and no timer runs, for the procedures called directly.
struct Plaingame {
    explicit Plaingame(uint64_t seed = 1) : rnd(seed) {}
    Seededrandom rnd;
    Norecords rec;
    Testclock clock;
    Game g{rnd, rec, clock};
};

// A media device that keeps what it is sent.
struct Sent {
    std::string Device, What, File;
    bool operator==(const Sent&) const = default;
};
class Mediarecorder : public Media {
public:
    void Command(const std::string& device, const std::string& command,
                 const std::string& file) override {
        Log.push_back({device, command, file});
    }
    // What was sent since the last call.
    std::vector<Sent> Take() { return std::exchange(Log, {}); }
    std::vector<Sent> Log;
};

// A loaded game whose timers run in virtual time: `Act` runs a handler and then whatever timers
// fall due, `Seconds` lets time pass. With a folder, the records keeper works on the Winners
// files there; without, it keeps nothing.
struct Virtualgame {
    Seededrandom rnd{1};
    Norecords rec;
    Timerhost host;
    Virtualclock clock{host};
    std::unique_ptr<Winnersbook> book;
    Game g;
    Fmmain& m = g.Main;
    Settinglists& lists = g.Main.Lists;

    explicit Virtualgame(const std::filesystem::path* folder = nullptr)
        : book(folder ? std::make_unique<Winnersbook>(*folder, clock) : nullptr),
          g(rnd, book ? static_cast<Recordbook&>(*book) : rec, clock) {
        if (folder) g.Programfolder = *folder;
        g.Registertimers(host);
        g.Menus.Form_Load();
        clock.Sync();
    }
    virtual ~Virtualgame() = default;
    template <class F> void Act(F handler) {
        handler();
        clock.Sync();
        Settled();
    }
    // Called after every handler `Act` runs, for a rig that follows what the game shows.
    virtual void Settled() {}
    void Seconds(int s) { clock.advance(int64_t{s} * 1000); }
    // Types the keys one by one into the input box; returns the ones it refused.
    std::string Type(const std::string& keys) {
        std::string refused;
        for (char k : keys)
            if (!g.Guessentry.Txtinput_KeyPress(k)) refused += k;
        clock.Sync();
        return refused;
    }
    void Choose(Combolist& list, const std::string& text) {
        ASSERT_TRUE(lists.Choose(list, text)) << text;
    }
    using Choices = std::vector<std::pair<Combolist*, std::string>>;
    // Opens the setting menu and picks who guesses and then each choice in turn.
    void Setmenu(const std::string& who, const Choices& choices = {}) {
        Act([&] { g.Menus.Mnuset_Click(); });
        Choose(lists.Cbwho, who);
        for (const auto& [list, text] : choices) Choose(*list, text);
    }
    // A "You guess" game of the menu's setting with those choices against `answer`.
    void Startyouguess(const std::string& answer, const Choices& choices = {}) {
        Setmenu("You guess", choices);
        g.Plan.Answer = Str(answer);
        Act([&] { g.Gamestarter.Cmdstart_Click(); });
    }
    // Types a guess into the input box and submits it.
    void Guess(const std::string& s) {
        ASSERT_TRUE(m.Frinput.Visible) << s;
        ASSERT_EQ(Type(s), "") << s;
        Act([&] { g.Guessentry.Cmdsubnum_Click(); });
    }
    // A guess that does not break the code, and the result panel's OK.
    void Play(const std::string& s) {
        Guess(s);
        ASSERT_TRUE(m.Frshowresult.Visible) << s;
        Act([&] { g.Guessentry.Cmdshowresult_Click(); });
    }
};

// Distinct sorted strings of three of the ten colours, none of them `answer`.
inline std::vector<std::string> Wrongguesses(int count, const std::string& answer = "789") {
    std::vector<std::string> out;
    for (char a = '0'; a <= '9'; ++a)
        for (char b = a + 1; b <= '9'; ++b)
            for (char c = b + 1; c <= '9' && static_cast<int>(out.size()) < count; ++c)
                if (std::string{a, b, c} != answer) out.push_back({a, b, c});
    return out;
}

// Records what the game reports, with a copy of the guesses at the moment of a detection.
struct Eventlog : Gameobserver {
    explicit Eventlog(const Game& g) : game(g) {}
    void Processed(int t) override { processed.push_back(t); }
    void Detected() override {
        ++detected;
        guessesatdetection = game.Rec.Guesses;
        detecttrial = game.Rec.Trial;
    }
    void Corrected() override { ++corrected; }
    void Won() override { ++won; }
    void Bug(const std::string& guess) override {
        ++bugs;
        bugguess = guess;
    }
    const Game& game;
    std::vector<int> processed;
    int detected = 0, corrected = 0, won = 0, bugs = 0, detecttrial = 0;
    std::string bugguess;
    std::array<Codestring, Trialslots> guessesatdetection{};
};

// Closes the end message of the last game, as its End button does. The idle screen reads the
// setting back from the menu; the tests keep the setting they chose directly.
inline void Endgame(Game& g) {
    const Gamesetting s = g.Setting;
    if (g.Message.Visible) g.Messagebutton(Boxbutton::Cmdr3);
    g.Setting = s;
}

// Plays one computer-marked game against `code` with the given colour order.
inline void Playgame(Game& g, const Str& code, const Str& order) {
    Endgame(g);
    g.Plan = Gameplan{};
    g.Plan.Answer = code;
    g.Plan.Colourorder = order;
    g.Gamestarter.Initialize();
    Autoplay(g);
}

} // namespace tc::testkit
