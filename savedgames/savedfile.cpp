#include "savedgames/savedfile.h"

#include "engine/codebreaker.h"
#include "engine/codes.h"
#include "settings/settingtexts.h"
#include "system/fieldtext.h"
#include "system/filewrite.h"
#include "windows/fmmain.h"

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <system_error>
#include <utility>

namespace tc {

namespace {

constexpr int Slots = 28;

const char* const Statuswords[] = {"Playing",
                                   "Continue Playing",
                                   "Win",
                                   "Gameover",
                                   "Error Detected",
                                   "End Game",
                                   "Hint(s) Consistent",
                                   "Late Detection of Error"};

std::string Oftrial(const char* what, int k) {
    return std::string(what) + " of trial " + std::to_string(k);
}

std::string Ofcolour(const char* what, int c) {
    return std::string(what) + " of colour " + std::to_string(c);
}

// A code or guess the setting allows. The length is checked first: a code is held in a short
// fixed buffer.
bool Iscode(const std::string& x, const Gamesetting& s) {
    return static_cast<int>(x.size()) == s.Codelength && Validcode(Str(x), s);
}

bool Isdigit(char c) {
    return c >= '0' && c <= '9';
}

int Correctof(const Savedgame& g, int k) {
    return g.Ordertype == 1 ? g.Blacks[k] : g.Blacks[k] + g.Whites[k];
}

bool Playermarks(const Savedgame& g) {
    return g.Whoguess == Role::Computerguesses && g.Computermarks == 0;
}

// The setting must be one the setting menu could have produced.
std::string Checksetting(const Savedgame& g) {
    if (g.Whoguess != Role::Youguess && g.Whoguess != Role::Computerguesses &&
        g.Whoguess != Role::Watch)
        return "the role is not one of the three";
    if (g.Inputmethod != "Mouse" && g.Inputmethod != "Keyboard")
        return "the input method is neither \"Mouse\" nor \"Keyboard\"";
    if (g.Displaymode != "Colour" && g.Displaymode != "Number")
        return "the display is neither \"Colour\" nor \"Number\"";
    if (g.Whoguess == Role::Computerguesses && g.Computermarks != -1 && g.Computermarks != 0)
        return "the marking choice is neither yes nor no";
    if (g.Ncolours < 5 || g.Ncolours > 10) return "the number of colours is not 5 to 10";
    if (g.Starttype != 1 && g.Starttype != 2) return "the start type is neither 1 nor 2";
    if (g.Codelength < 3 || g.Codelength > 8) return "the code length is not 3 to 8";
    if (g.Codelength > g.Ncolours - 2) return "the code is too long for the number of colours";
    if (g.Fixedlength != 0 && g.Fixedlength != 1) return "the length type is neither 0 nor 1";
    if (g.Fixedlength == 0 && g.Codelength < 4) return "an unspecified length must reach 4 to 8";
    if (g.Hinttype != 1 && g.Hinttype != 2) return "the hint type is neither 1 nor 2";
    if (g.Whoguess == Role::Computerguesses && g.Hinttype != 1)
        return "hints of the player's code cannot be set to contain errors";
    if (g.Ordertype != 1 && g.Ordertype != 2) return "the order type is neither 1 nor 2";
    if (g.Maxrepeat < 1 || g.Maxrepeat > g.Codelength)
        return "the repetition does not fit the code length";
    if (g.Starttype == 1) {
        if (g.Starttrial != 1) return "a game from trial 1 starts at another trial";
    } else {
        // The player picks 2..9 in "Computer guesses"; the statistics give 0..9 otherwise. A
        // "You guess" game from trial 0 plays a row 0, which the file has no room for.
        const int low = g.Whoguess == Role::Computerguesses ? 2
                        : g.Whoguess == Role::Youguess      ? 1
                                                            : 0;
        if (g.Starttrial < low || g.Starttrial > 9) return "the start trial is out of range";
    }
    return "";
}

std::string Checkdigits(const std::string& s, int high, const char* what) {
    if (s.size() > 2) return std::string(what) + " hold more than two hints";
    for (char c : s)
        if (!Isdigit(c) || c - '0' > high) return std::string(what) + " are out of range";
    return "";
}

std::string Checkerrors(const Savedgame& g, bool inplay) {
    const int L = g.Codelength;
    if (g.Errorpending != 0 && g.Errorpending != -1) return "the error flag is neither 0 nor -1";
    const std::string& e = g.Errortrials;
    if (e.size() > 2) return "more than two hints are planned to be falsified";
    for (size_t i = 0; i < e.size(); ++i)
        if (e[i] < '1' || e[i] > '9' || (i > 0 && e[i] <= e[i - 1]))
            return "the trials of falsified hints are not increasing digits 1 to 9";
    if (std::string r = Checkdigits(g.Trueblacks, L, "the true black marks"); !r.empty()) return r;
    if (std::string r = Checkdigits(g.Truewhites, L, "the true white marks"); !r.empty()) return r;
    if (g.Trueblacks.size() != g.Truewhites.size())
        return "the true black and white marks differ in number";
    if (g.Ordertype == 2)
        for (size_t i = 0; i < g.Trueblacks.size(); ++i)
            if (g.Trueblacks[i] - '0' + g.Truewhites[i] - '0' > L)
                return "a true hint holds more marks than the code has positions";
    if (g.Hinttype == 1 && (!e.empty() || !g.Trueblacks.empty() || g.Errorpending))
        return "a game without hint errors holds falsified hints";
    if (g.Errorpending) {
        // The correction puts the true marks back at the planned trials.
        if (g.Trueblacks.empty() || g.Trueblacks.size() > e.size())
            return "the falsified hints do not match the planned ones";
        for (size_t i = 0; i < g.Trueblacks.size(); ++i)
            if (inplay && e[i] - '0' > g.Trial) return "a hint of a trial not yet played is false";
    }
    if (g.Claimtrial < 0 || g.Claimtrial > Lasttrial) return "the claimed trial is not 0 to 27";
    if (g.Whoguess == Role::Computerguesses && g.Claimtrial != 0)
        return "the player's own marks hold a claim";
    return "";
}

std::string Checkerrorblock(const Savedgame& g, const Gamesetting& s, bool inplay) {
    const int L = g.Codelength;
    int assumed = 0;
    for (int k = 0; k <= g.Finaltrial; ++k) {
        if (g.Corrects[k] < 0 || g.Corrects[k] > L)
            return Oftrial("the count of correct colours", k) + " is out of range";
        if (k >= 1 && g.Corrects[k] != Correctof(g, k))
            return Oftrial("the count of correct colours", k) + " disagrees with its marks";
        const std::string &colours = g.Newcolours[k], &counts = g.Newcounts[k],
                          &choice = g.Choice[k];
        for (size_t i = 0; i < colours.size(); ++i)
            if (!Isdigit(colours[i]) || colours[i] - '0' >= g.Ncolours ||
                (i > 0 && colours[i] <= colours[i - 1]))
                return Oftrial("the new colours", k) + " are not ascending colours of the game";
        if (counts.size() != colours.size())
            return Oftrial("the new copies", k) + " do not match its new colours";
        for (char c : counts)
            if (!Isdigit(c) || c == '0' || c - '0' > g.Maxrepeat)
                return Oftrial("the new copies", k) + " are out of range";
        if (!choice.empty() && choice.size() != colours.size())
            return Oftrial("the assumed copies", k) + " do not match its new colours";
        for (size_t i = 0; i < choice.size(); ++i) {
            if (!Isdigit(choice[i]) || choice[i] > counts[i])
                return Oftrial("the assumed copies", k) + " are out of range";
            if (k >= 1) assumed += choice[i] - '0';
        }
    }
    // While the search goes on, the copies it assumes in the code fit the code.
    if (inplay && assumed > L) return "the search assumes more copies than the code holds";
    const std::string& order = g.Colourorder;
    if (static_cast<int>(order.size()) != g.Ncolours)
        return "the colour order does not hold every colour once";
    for (char c : order)
        if (!Isdigit(c) || c - '0' >= g.Ncolours || order.find(c) != order.rfind(c))
            return "the colour order does not hold every colour once";
    if (!g.Currentstring.empty() && !Iscode(g.Currentstring, s))
        return "the current guess breaks the game's setting";
    if (inplay && g.Currentstring.empty()) return "the guess waiting for marks is missing";
    for (int c = 0; c < 10; ++c) {
        const int high = c < g.Ncolours ? g.Maxrepeat : 0;
        if (g.Used[c] < 0 || g.Used[c] > high)
            return Ofcolour("the copies tried", c) + " are out of range";
        if (g.Absent[c] < 0 || g.Absent[c] > g.Used[c])
            return Ofcolour("the copies assumed absent", c) + " are out of range";
    }
    return "";
}

} // namespace

Gamesetting Settingof(const Savedgame& g) {
    Gamesetting s;
    s.Whoguess = g.Whoguess;
    s.Ncolours = g.Ncolours;
    s.Starttype = static_cast<Startkind>(g.Starttype);
    s.Starttrial = g.Starttrial;
    s.Codelength = g.Codelength;
    s.Fixedlength = g.Fixedlength;
    s.Maxblanks = g.Fixedlength ? 0 : g.Codelength - 3;
    s.Hinttype = static_cast<Hintkind>(g.Hinttype);
    s.Ordertype = static_cast<Orderkind>(g.Ordertype);
    s.Maxrepeat = g.Maxrepeat;
    return s;
}

bool Answerstored(const Savedgame& g) {
    return g.Status == "Win" || g.Whoguess != Role::Computerguesses || g.Computermarks == -1;
}

bool Errorblockstored(const Savedgame& g) {
    return g.Elapsed != 0 && Playermarks(g);
}

bool Savedinplay(const Savedgame& g) {
    return g.Status.find("Playing") != std::string::npos;
}

Savedgame Normalise(const Savedgame& g) {
    Savedgame n = g;
    if (n.Whoguess != Role::Computerguesses) n.Computermarks = 0;
    if (!Answerstored(n)) n.Answer.clear();
    const bool block = Errorblockstored(n);
    for (int k = 0; k < Slots; ++k) {
        if (k < 1 || k > n.Finaltrial) {
            n.Guesses[k].clear();
            n.Blacks[k] = n.Whites[k] = 0;
        }
        if (!block || k > n.Finaltrial) {
            n.Corrects[k] = 0;
            n.Newcolours[k].clear();
            n.Newcounts[k].clear();
            n.Choice[k].clear();
        }
    }
    if (!block) {
        n.Colourorder.clear();
        n.Currentstring.clear();
        n.Used.fill(0);
        n.Absent.fill(0);
    }
    return n;
}

std::string Check(const Savedgame& g) {
    if (std::string r = Checksetting(g); !r.empty()) return r;
    const Gamesetting s = Settingof(g);
    const int L = g.Codelength;
    bool known = false;
    for (const char* w : Statuswords) known = known || g.Status == w;
    if (!known) return "the status \"" + g.Status + "\" is not one a saved game can have";
    if (g.Trial < 0 || g.Trial > Lasttrial) return "the trial number is not 0 to 27";
    if (g.Finaltrial < 0 || g.Finaltrial > Lasttrial) return "the number of rows is not 0 to 27";
    if (g.Elapsed < 0) return "the seconds of play are negative";
    const bool inplay = Savedinplay(g);
    if (inplay) {
        // Only games the player takes part in can be saved while they run; the loader resumes
        // them by asking for the next guess or for the marks of the computer's guess.
        if (g.Whoguess == Role::Watch || g.Computermarks == -1)
            return "a game the computer plays by itself cannot be in play";
        if (g.Elapsed > Timelimit) return "a game in play has run for more than an hour";
        if (g.Whoguess == Role::Youguess) {
            if (g.Finaltrial != g.Trial) return "the rows of a game in play do not reach its trial";
            if (g.Trial > Lasttrial - 1) return "a game in play has no trial left";
            if (g.Trial < g.Starttrial - 1) return "a game in play has not reached its start";
        } else {
            if (g.Trial < 1 || g.Trial < g.Starttrial) return "the computer has no guess to mark";
            if (g.Finaltrial != g.Trial - 1)
                return "the rows of a game in play do not reach its trial";
            if (g.Elapsed == 0) return "the computer's search state is missing";
        }
    }
    if (Answerstored(g) && !Iscode(g.Answer, s)) return "the answer breaks the game's setting";
    for (int k = 1; k <= g.Finaltrial; ++k) {
        if (!Iscode(g.Guesses[k], s)) return Oftrial("the guess", k) + " breaks the game's setting";
        if (g.Blacks[k] < 0 || g.Blacks[k] > L || g.Whites[k] < 0 || g.Whites[k] > L)
            return Oftrial("the hint", k) + " is out of range";
        if (g.Ordertype == 2 && g.Blacks[k] + g.Whites[k] > L)
            return Oftrial("the hint", k) + " holds more marks than the code has positions";
    }
    if (std::string r = Checkerrors(g, inplay); !r.empty()) return r;
    if (Errorblockstored(g))
        if (std::string r = Checkerrorblock(g, s, inplay); !r.empty()) return r;
    return "";
}

// ---- Bytes ----

namespace {

// The file holds 16 bits a number; a value outside them is refused, never wrapped.
class Recordwriter {
public:
    bool Int(int v) {
        if (!std::in_range<int16_t>(v)) return false;
        Word(static_cast<uint16_t>(v));
        return true;
    }
    bool Text(const std::string& s) {
        if (!std::in_range<uint16_t>(s.size())) return false;
        Word(static_cast<uint16_t>(s.size()));
        out.insert(out.end(), s.begin(), s.end());
        return true;
    }
    std::vector<uint8_t> out;

private:
    void Word(uint16_t u) {
        out.push_back(static_cast<uint8_t>(u & 0xFF));
        out.push_back(static_cast<uint8_t>(u >> 8));
    }
};

class Recordreader {
public:
    explicit Recordreader(std::span<const uint8_t> bytes)
        : b_(bytes.first(std::min<size_t>(bytes.size(), Savedrecordlength))) {}

    bool Int(int& v, const std::string& what) {
        uint16_t u = 0;
        if (!Word(u, what)) return false;
        v = static_cast<int16_t>(u);
        return true;
    }
    // The role as the file numbers it; a number of no role is kept for the checks to refuse.
    bool Int(Role& v, const std::string& what) {
        int n = 0;
        if (!Int(n, what)) return false;
        v = static_cast<Role>(n);
        return true;
    }
    bool Text(std::string& s, const std::string& what) {
        uint16_t n = 0;
        if (!Word(n, "the length of " + what)) return false;
        if (n > b_.size() - pos_) {
            reason = what + " claims " + std::to_string(n) + " characters but only " +
                     std::to_string(b_.size() - pos_) + " bytes of the record are left";
            return false;
        }
        s.assign(reinterpret_cast<const char*>(b_.data() + pos_), n);
        pos_ += n;
        return true;
    }
    std::string reason;

private:
    bool Word(uint16_t& u, const std::string& what) {
        if (!Need(2, what)) return false;
        u = static_cast<uint16_t>(b_[pos_] | b_[pos_ + 1] << 8);
        pos_ += 2;
        return true;
    }
    bool Need(size_t n, const std::string& what) {
        if (b_.size() - pos_ >= n) return true;
        reason = "the file is too short: it ends before " + what;
        return false;
    }
    std::span<const uint8_t> b_;
    size_t pos_ = 0;
};

// Both directions walk the fields in the same order through one template, so the writer and
// the reader cannot drift apart.
template <class Io, class T> bool Walk(Io& io, T& g) {
    auto i = [&](auto& v, const std::string& what) { return io.Int(v, what); };
    auto s = [&](auto& v, const std::string& what) { return io.Text(v, what); };
    bool ok = i(g.Whoguess, "the role") && s(g.Inputmethod, "the input method") &&
              s(g.Displaymode, "the display") && i(g.Computermarks, "the marking choice") &&
              i(g.Ncolours, "the number of colours") && i(g.Starttype, "the start type") &&
              i(g.Starttrial, "the start trial") && i(g.Codelength, "the code length") &&
              i(g.Fixedlength, "the length type") && i(g.Hinttype, "the hint type") &&
              i(g.Ordertype, "the order type") && i(g.Maxrepeat, "the repetition") &&
              s(g.Status, "the status") && i(g.Trial, "the trial number") &&
              i(g.Finaltrial, "the number of rows") && s(g.Answer, "the answer");
    for (int k = 0; ok && k < Slots; ++k) ok = s(g.Guesses[k], Oftrial("the guess", k));
    for (int k = 0; ok && k < Slots; ++k) ok = i(g.Blacks[k], Oftrial("the black marks", k));
    for (int k = 0; ok && k < Slots; ++k) ok = i(g.Whites[k], Oftrial("the white marks", k));
    for (int k = 0; ok && k < Slots; ++k)
        ok = i(g.Corrects[k], Oftrial("the count of correct colours", k));
    ok = ok && i(g.Errorpending, "the error flag") &&
         s(g.Errortrials, "the trials of falsified hints") &&
         s(g.Trueblacks, "the true black marks") && s(g.Truewhites, "the true white marks") &&
         i(g.Claimtrial, "the claimed trial");
    for (int k = 0; ok && k < Slots; ++k) ok = s(g.Newcolours[k], Oftrial("the new colours", k));
    for (int k = 0; ok && k < Slots; ++k) ok = s(g.Newcounts[k], Oftrial("the new copies", k));
    for (int k = 0; ok && k < Slots; ++k) ok = s(g.Choice[k], Oftrial("the assumed copies", k));
    ok = ok && s(g.Colourorder, "the colour order") && s(g.Currentstring, "the current guess");
    for (int c = 0; ok && c < 10; ++c) ok = i(g.Used[c], Ofcolour("the copies tried", c));
    for (int c = 0; ok && c < 10; ++c)
        ok = i(g.Absent[c], Ofcolour("the copies assumed absent", c));
    return ok && i(g.Elapsed, "the seconds of play");
}

// The writer names only a field it cannot write.
struct Namedwriter {
    bool Int(int v, const std::string& what) { return w.Int(v) || Refuse(what); }
    bool Int(Role v, const std::string& what) { return Int(static_cast<int>(v), what); }
    bool Text(const std::string& s, const std::string& what) { return w.Text(s) || Refuse(what); }
    bool Refuse(const std::string& what) {
        reason = "the file cannot hold " + what;
        return false;
    }
    Recordwriter w;
    std::string reason;
};

} // namespace

Encoded Encode(const Savedgame& g) {
    const Savedgame n = Normalise(g);
    if (std::string r = Check(n); !r.empty()) return {{}, "the game cannot be saved: " + r};
    Namedwriter io;
    if (!Walk(io, n)) return {{}, "the game cannot be saved: " + io.reason};
    std::vector<uint8_t>& out = io.w.out;
    if (out.size() > Savedrecordlength)
        return {{},
                "the game cannot be saved: its record needs " + std::to_string(out.size()) +
                    " bytes, more than the " + std::to_string(Savedrecordlength) + " of the file"};
    out.resize(Savedrecordlength, 0);
    return {std::move(out), ""};
}

Decoded Decode(std::span<const uint8_t> bytes) {
    Savedgame g;
    Recordreader io(bytes);
    if (!Walk(io, g)) return {std::nullopt, io.reason};
    g = Normalise(g);
    if (std::string r = Check(g); !r.empty()) return {std::nullopt, r};
    return {std::move(g), ""};
}

// ---- The game ----

Savedgame Capture(const Gamesetting& s, const Gamerecord& r, const Codebreaker& e,
                  const Fmmain& main) {
    Savedgame g;
    g.Whoguess = s.Whoguess;
    g.Inputmethod = Inputname(main.Inputmethod);
    g.Displaymode = Displayname(main.Displaymode);
    g.Computermarks = main.Optyesmark.Value ? -1 : 0;
    g.Ncolours = s.Ncolours;
    g.Starttype = static_cast<int>(s.Starttype);
    g.Starttrial = s.Starttrial;
    g.Codelength = s.Codelength;
    g.Fixedlength = s.Fixedlength;
    g.Hinttype = static_cast<int>(s.Hinttype);
    g.Ordertype = static_cast<int>(s.Ordertype);
    g.Maxrepeat = s.Maxrepeat;
    g.Status = Statusname(r.Status);
    g.Trial = r.Trial;
    g.Finaltrial = r.Finaltrial;
    g.Answer = r.Answer.str();
    for (int k = 0; k < Slots; ++k) {
        g.Guesses[k] = r.Guesses[k].str();
        g.Blacks[k] = r.Blacks[k];
        g.Whites[k] = r.Whites[k];
        g.Corrects[k] = r.Corrects[k];
        g.Newcolours[k] = e.Newcolours[k].str();
        g.Newcounts[k] = e.Newcounts[k].str();
        g.Choice[k] = e.Choice[k].str();
    }
    g.Errorpending = r.Errorpending;
    g.Errortrials = r.Errortrials;
    g.Trueblacks = r.Trueblacks;
    g.Truewhites = r.Truewhites;
    g.Claimtrial = r.Claimtrial;
    g.Colourorder = r.Colourorder.str();
    g.Currentstring = r.Currentstring.str();
    g.Used = e.Used;
    g.Absent = e.Absent;
    g.Elapsed = r.Elapsed;
    // The search state is only stored once a second of play has passed; a game saved within
    // its first second would come back without it and without the guess awaiting marks.
    if (Playermarks(g) && g.Elapsed == 0) g.Elapsed = 1;
    return Normalise(g);
}

std::string Restore(Gamesetting& s, Gamerecord& r, Codebreaker& e, Fmmain& main,
                    const Savedgame& saved) {
    const Savedgame g = Normalise(saved);
    if (std::string reason = Check(g); !reason.empty()) return reason;
    s = Settingof(g);
    main.Inputmethod = g.Inputmethod == "Mouse" ? Inputkind::Mouse : Inputkind::Keyboard;
    main.Displaymode = g.Displaymode == "Colour" ? Displaykind::Colour : Displaykind::Number;
    if (g.Whoguess == Role::Computerguesses) {
        main.Optyesmark.Value = g.Computermarks == -1;
        main.Optnomark.Value = g.Computermarks != -1;
    }

    r.Status = Statusof(g.Status);
    r.Savedstate = Filestate::Loaded;
    r.Trial = g.Trial;
    r.Finaltrial = g.Finaltrial;
    r.Attempts = 0;
    r.Answer = Str(g.Answer);
    r.Answerblanks = Countchar(g.Answer, 'b');
    r.Currentstring = Str(g.Currentstring);
    r.Inputblanks = Countchar(g.Currentstring, 'b');
    r.Currenthint = Hint{};
    const bool block = Errorblockstored(g);
    for (int k = 0; k < Slots; ++k) {
        r.Guesses[k] = Str(g.Guesses[k]);
        r.Blacks[k] = g.Blacks[k];
        r.Whites[k] = g.Whites[k];
        // Without the error block the counts follow from the marks, as they always do.
        r.Corrects[k] = block ? g.Corrects[k] : k >= 1 && k <= g.Finaltrial ? Correctof(g, k) : 0;
    }
    r.Errorpending = g.Errorpending;
    r.Errortrials = g.Errortrials;
    r.Trueblacks = g.Trueblacks;
    r.Truewhites = g.Truewhites;
    r.Claimtrial = g.Claimtrial;
    r.Detecttrial = r.Checkmode = 0;
    // A falsified hint may have hidden a guess that was the answer; the file does not say so,
    // but the rows and the answer do, and the correction needs to know it.
    r.Solvedunseen = r.Solvedtrial = 0;
    if (g.Errorpending && !g.Answer.empty())
        for (size_t i = 0; i < g.Trueblacks.size(); ++i) {
            const int t = g.Errortrials[i] - '0';
            if (t <= g.Finaltrial && g.Guesses[t] == g.Answer) {
                r.Solvedunseen = -1;
                r.Solvedtrial = t;
                break;
            }
        }
    r.Carriedseconds = r.Elapsed = g.Elapsed;
    r.Timetext = Converttime(g.Elapsed);

    e.Clear();
    for (int k = 0; k < Slots; ++k) {
        e.Newcolours[k] = Str(g.Newcolours[k]);
        e.Newcounts[k] = Str(g.Newcounts[k]);
        e.Choice[k] = Str(g.Choice[k]);
    }
    e.Used = g.Used;
    e.Absent = g.Absent;
    r.Colourorder = Str(g.Colourorder);
    // A claim in "You guess" replays the hints with the codebreaker, which brings colours in
    // by the colour order; the file keeps none for this role, and any order judges alike.
    if (r.Colourorder.empty() && g.Hinttype == 2) r.Colourorder = Alphabet(s);
    return "";
}

// ---- Files ----

std::string Writesavedgame(const std::filesystem::path& path, const Savedgame& g) {
    namespace fs = std::filesystem;
    const Encoded record = Encode(g);
    if (!record) return record.Reason;
    std::error_code ec;
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    if (!fs::is_directory(folder, ec))
        return "The folder " + Fieldtext(folder.string()) + " does not exist.";
    if (const std::error_code failed = Replacefile(path, record.Bytes)) return Writereason(failed);
    return "";
}

Decoded Readsavedgame(const std::filesystem::path& path) {
    constexpr char Notsaved[] = ", not a saved game of Tintcipher.";
    std::error_code ec;
    const std::filesystem::file_status st = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(st))
        return {std::nullopt, "it is a folder", std::string("is a folder") + Notsaved};
    // A pipe or a device could keep the reader waiting for ever.
    if (std::filesystem::exists(st) && !std::filesystem::is_regular_file(st))
        return {std::nullopt, "it is not a regular file",
                std::string("is a pipe or a device") + Notsaved};
    const std::string unreadable = "cannot be read.";
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {std::nullopt, "the file cannot be opened",
                errno == EACCES || errno == EPERM
                    ? "may not be read by you; ask whoever looks after this computer to let you "
                      "read it."
                    : unreadable};
    std::vector<uint8_t> bytes(Savedrecordlength);
    in.read(reinterpret_cast<char*>(bytes.data()), Savedrecordlength);
    if (in.bad()) return {std::nullopt, "the file cannot be read", unreadable};
    bytes.resize(static_cast<size_t>(in.gcount()));
    if (bytes.empty())
        return {std::nullopt, "the file is empty", std::string("is empty") + Notsaved};
    Decoded d = Decode(bytes);
    if (!d) d.Told = Damagedtext;
    return d;
}

} // namespace tc
