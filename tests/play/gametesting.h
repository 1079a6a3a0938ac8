#pragma once
// Helpers shared by the game-level tests: a records keeper that keeps nothing, settings by their
// parts, every valid code of a setting found by brute force, the hint-agreement check, and a
// loaded game run in virtual time.
#include "engine/codes.h"
#include "play/autoplay.h"
#include "play/game.h"
#include "system/timerhost.h"
#include <cstdint>
#include <sstream>
#include <string>
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
    s.Ncolours = static_cast<int16_t>(colours);
    s.Codelength = static_cast<int16_t>(length);
    s.Fixedlength = unspecified ? 0 : 1;
    s.Maxblanks = static_cast<int16_t>(unspecified ? length - 3 : 0);
    s.Maxrepeat = static_cast<int16_t>(maxrepeat == Any ? length : maxrepeat);
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

// A loaded game whose timers run in virtual time: `Act` runs a handler and then whatever timers
// fall due, `Seconds` lets time pass.
struct Virtualgame {
    Seededrandom rnd{1};
    Norecords rec;
    Timerhost host;
    Virtualclock clock{host};
    Game g{rnd, rec, clock};
    Fmmain& m = g.Main;
    Settinglists& lists = g.Main.Lists;

    Virtualgame() {
        g.Registertimers(host);
        g.Menu.Form_Load();
        clock.Sync();
    }
    template <class F> void Act(F handler) {
        handler();
        clock.Sync();
    }
    void Seconds(int s) { clock.advance(int64_t{s} * 1000); }
    // Types the keys one by one into the input box; returns the ones it refused.
    std::string Type(const std::string& keys) {
        std::string refused;
        for (char k : keys)
            if (!g.Guess.Txtinput_KeyPress(k)) refused += k;
        clock.Sync();
        return refused;
    }
};

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
    g.Start.Initialize();
    Autoplay(g);
}

} // namespace tc::testkit
