#include "examples.h"

#include "engine/random.h"
#include "play/game.h"
#include <stdexcept>

namespace tc::manual {

namespace {

struct Spec {
    const char* Name;
    const char* Colours;
    const char* Length;
    const char* Repeat;
    const char* Order;
    const char* Code;
    std::vector<const char*> Given; // the rows the computer fills in before a middle start
    std::vector<const char*> Guesses;
};

// Every example ends with the code found, so the answer frame shows it.
const Spec Specs[] = {
    {"random",
     "6",
     "4",
     "No repetition",
     "Random order",
     "3025",
     {},
     {"0123", "4501", "3052", "3025"}},
    {"fixed",
     "6",
     "4",
     "Each colour at most 2 times",
     "Fixed order",
     "0235",
     {},
     {"0011", "0123", "1245", "0235"}},
    {"blanks",
     "7",
     "Unspecified (3 - 5)",
     "No repetition",
     "Random order",
     "2b04b",
     {},
     {"01234", "20b4b", "2b04b"}},
    {"middle",
     "6",
     "4",
     "No repetition",
     "Random order",
     "3025",
     {"0145", "2310", "5432"},
     {"3520", "3025"}},
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

// One sentence per row, with its marks as the board draws them.
std::string Rowstext(const Game& g) {
    const bool numbers = g.Main.Displaymode == "Number";
    std::string out;
    for (int t = 1; t <= g.Rec.Finaltrial; ++t) {
        out += "Trial " + std::to_string(t);
        if (t < g.Setting.Starttrial) out += " (filled in by the computer, in grey)";
        out += ": " + Positions(g.Rec.Guesses[t], numbers) + "; ";
        if (g.Setting.Fixedorder())
            out += Count(g.Rec.Blacks[t], "grey");
        else
            out += Count(g.Rec.Blacks[t], "black") + " and " + Count(g.Rec.Whites[t], "white");
        out += ". ";
    }
    out.pop_back();
    return out;
}

} // namespace

Example Playexample(const std::string& name, const std::string& display) {
    const Spec* spec = nullptr;
    for (const Spec& s : Specs)
        if (name == s.Name) spec = &s;
    if (!spec) throw std::runtime_error("no example named " + name);
    const auto fail = [&](const std::string& what) {
        throw std::runtime_error("example " + name + ": " + what);
    };

    Seededrandom rnd{1};
    Norecords records;
    Game g(rnd, records);
    g.Form_Load();
    Settinglists& l = g.Main.Lists;
    const bool middle = !spec->Given.empty();
    // Colours first: with ten colours on offer every length is, and the length offers the
    // repetitions.
    for (auto [list, text] : {std::pair<Combolist*, const char*>{&l.Cbwho, "You guess"},
                              {&l.Cbcolour, spec->Colours},
                              {&l.Cblength, spec->Length},
                              {&l.Cbrepeat, spec->Repeat},
                              {&l.Cborder, spec->Order},
                              {&l.Cbhint, "No error"},
                              {&l.Cbstart, middle ? "Middle" : "Trial 1"}})
        if (!l.Choose(*list, text)) fail(std::string("the lists do not offer ") + text);
    g.Setinputmethod("Keyboard");
    g.Setdisplay(display);
    g.Plan.Answer = spec->Code;
    if (middle) {
        g.Plan.Starttrial = static_cast<int>(spec->Given.size()) + 1;
        for (const char* row : spec->Given) g.Plan.Rows.push_back(row);
    }
    g.Cmdstart_Click();
    for (const char* guess : spec->Guesses) {
        if (!g.Main.Frinput.Visible) fail("no guess is asked for before " + std::string(guess));
        for (const char* k = guess; *k; ++k)
            if (!g.Txtinput_KeyPress(*k)) fail("the input refuses " + std::string(guess));
        g.Cmdsubnum_Click();
        if (g.Main.Frshowresult.Visible) g.Cmdshowresult_Click();
    }
    if (g.Rec.Status != "Win") fail("the last guess does not find the code");

    Example e;
    e.Name = name;
    e.Display = g.Main.Displaymode;
    e.Board = g.Main.Picrecord;
    e.Code = g.Main.Picanswer;
    e.Boardtext = Rowstext(g);
    e.Codetext = "The secret code: " + Positions(g.Rec.Answer, e.Display == "Number") + ".";
    return e;
}

} // namespace tc::manual
