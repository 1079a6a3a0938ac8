#include "examples.h"

#include "engine/random.h"
#include "play/game.h"
#include <stdexcept>

namespace tc::manual {

namespace {

struct Play {
    const char* Name;
    const char* Colours;
    const char* Length;
    const char* Repeat;
    const char* Order;
    const char* Code;
    std::vector<const char*> Given = {}; // the rows the computer fills in before a middle start
    std::vector<const char*> Guesses;
    const char* Errors = "";  // the trials whose hints are wrong: "May contain error(s)"
    size_t Claimafter = 0;    // the Error button is pressed after this many guesses
    bool Stopatclaim = false; // the board as it was when the error was claimed
};

// The examples end with the code found, so the answer frame shows it; or at a claim.
const Play Plays[] = {
    {.Name = "random",
     .Colours = "6",
     .Length = "4",
     .Repeat = "No repetition",
     .Order = "Random order",
     .Code = "3025",
     .Guesses = {"0123", "4501", "3052", "3025"}},
    {.Name = "fixed",
     .Colours = "6",
     .Length = "4",
     .Repeat = "Each colour at most 2 times",
     .Order = "Fixed order",
     .Code = "0235",
     .Guesses = {"0011", "0123", "1245", "0235"}},
    {.Name = "blanks",
     .Colours = "7",
     .Length = "Unspecified (3 - 5)",
     .Repeat = "No repetition",
     .Order = "Random order",
     .Code = "2b04b",
     .Guesses = {"01234", "20b4b", "2b04b"}},
    {.Name = "middle",
     .Colours = "6",
     .Length = "4",
     .Repeat = "No repetition",
     .Order = "Random order",
     .Code = "3025",
     .Given = {"0145", "2310", "5432"},
     .Guesses = {"3520", "3025"}},
    // The second hint is wrong, and the two first hints cannot both be true: a claim at once
    // is right.
    {.Name = "claim",
     .Colours = "6",
     .Length = "4",
     .Repeat = "No repetition",
     .Order = "Random order",
     .Code = "3025",
     .Guesses = {"0123", "4501"},
     .Errors = "2",
     .Claimafter = 2,
     .Stopatclaim = true},
    {.Name = "corrected",
     .Colours = "6",
     .Length = "4",
     .Repeat = "No repetition",
     .Order = "Random order",
     .Code = "3025",
     .Guesses = {"0123", "4501", "3052", "3025"},
     .Errors = "2",
     .Claimafter = 2},
};

const char* const Colournames[10] = {"red",  "orange",  "yellow", "green", "cyan",
                                     "blue", "magenta", "pink",   "brown", "grey"};

std::string Positions(const Codestring& code, bool numbers) {
    std::string out;
    for (char ch : code) {
        if (!out.empty()) out += numbers ? " " : ", ";
        if (ch == 'b')
            out += numbers ? "b" : "blank";
        else
            out += numbers ? std::string(1, ch) : Colournames[ch - '0'];
    }
    return out;
}

std::string Count(int n, const std::string& what) {
    return std::to_string(n) + " " + what + (n == 1 ? " mark" : " marks");
}

int Rows(const Game& g) {
    return g.Rec.Status == Gamestatus::Win ? g.Rec.Finaltrial : g.Rec.Trial;
}

// One sentence per row, with its marks as the board draws them.
std::string Rowstext(const Game& g) {
    const bool numbers = g.Main.Displaymode == Displaykind::Number;
    std::string out;
    for (int t = 1; t <= Rows(g); ++t) {
        out += "Trial " + std::to_string(t);
        if (t < g.Setting.Starttrial) out += " (filled in by the computer, outlined in white)";
        out += ": " + Positions(g.Rec.Guesses[t], numbers) + "; ";
        if (g.Setting.Fixedorder())
            out += Count(g.Rec.Blacks[t], "light grey");
        else
            out += Count(g.Rec.Blacks[t], "black") + " and " + Count(g.Rec.Whites[t], "white");
        // A wrong hint still standing, with what it should have been.
        for (size_t i = 0; g.Rec.Errorpending && i < g.Rec.Trueblacks.size(); ++i)
            if (g.Rec.Errortrials[i] - '0' == t)
                out += ", a wrong hint: the true one is " +
                       Count(g.Rec.Trueblacks[i] - '0', "black") + " and " +
                       Count(g.Rec.Truewhites[i] - '0', "white");
        out += ". ";
    }
    out.pop_back();
    return out;
}

} // namespace

Example Playexample(const std::string& name, const std::string& display) {
    const Play* play = nullptr;
    for (const Play& s : Plays)
        if (name == s.Name) play = &s;
    if (!play) throw std::runtime_error("no example named " + name);
    const auto fail = [&](const std::string& what) {
        throw std::runtime_error("example " + name + ": " + what);
    };

    Seededrandom rnd{1};
    Norecords records;
    Systemclock clock;
    Game g(rnd, records, clock);
    g.Controls.Send(Playerevent::Formload);
    Settinglists& l = g.Main.Lists;
    const bool middle = !play->Given.empty();
    // Colours first: with ten colours on offer every length is, and the length offers the
    // repetitions.
    for (auto [list, text] : {std::pair<Combolist*, const char*>{&l.Cbwho, "You guess"},
                              {&l.Cbcolour, play->Colours},
                              {&l.Cblength, play->Length},
                              {&l.Cbrepeat, play->Repeat},
                              {&l.Cborder, play->Order},
                              {&l.Cbhint, *play->Errors ? "May contain error(s)" : "No error"},
                              {&l.Cbstart, middle ? "Middle" : "Trial 1"}})
        if (!l.Choose(*list, text)) fail(std::string("the lists do not offer ") + text);
    g.Controls.Inputmethod(Inputkind::Keyboard);
    g.Controls.Display(display == "Number" ? Displaykind::Number : Displaykind::Colour);
    g.Plan.Answer = play->Code;
    g.Plan.Errortrials = play->Errors;
    if (middle) {
        g.Plan.Starttrial = static_cast<int>(play->Given.size()) + 1;
        for (const char* row : play->Given) g.Plan.Rows.push_back(row);
    }
    g.Controls.Send(Playerevent::Cmdstart);
    for (size_t n = 0; n < play->Guesses.size(); ++n) {
        const std::string guess = play->Guesses[n];
        if (!g.Main.Frinput.Visible) fail("no guess is asked for before " + guess);
        for (char k : guess)
            if (!g.Controls.Guesskey(k)) fail("the input refuses " + guess);
        g.Controls.Send(Playerevent::Cmdsubnum);
        if (g.Main.Frshowresult.Visible) g.Controls.Send(Playerevent::Cmdshowresult);
        if (n + 1 != play->Claimafter) continue;
        if (play->Stopatclaim) break;
        g.Controls.Send(Playerevent::Cmderror);
        if (g.Message.Key != Waitkey::Continueplaying) fail("the claim is not found right");
        g.Messagebutton(Boxbutton::Cmdmid);
    }
    if (!play->Stopatclaim && g.Rec.Status != Gamestatus::Win)
        fail("the last guess does not find the code");

    Example e;
    e.Name = name;
    e.Display = Displayname(g.Main.Displaymode);
    e.Board = g.Main.Picrecord;
    e.Code = g.Main.Picanswer;
    e.Boardtext = Rowstext(g);
    e.Trials = Rows(g);
    // Only a game that ended shows its code.
    if (!g.Main.Franswer.Visible) e.Code.Cls();
    e.Codetext = "The secret code: " + Positions(g.Rec.Answer, e.Display == "Number") + ".";
    return e;
}

} // namespace tc::manual
