#include "signature/signature.h"
#include "engine/codes.h"
#include "records/winners.h"
#include "records/winnersbook.h"
#include "signature/transcriber.h"
#include "system/filewrite.h"
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace tc {

namespace {

namespace fs = std::filesystem;

// The program as a player runs it, on a program folder with fresh Winners files, its handlers
// called as the window would call them and every step written down.
struct Session {
    explicit Session(const fs::path& dir) : folder(dir) {
        if (!Restorewinners(folder, clock)) throw std::runtime_error("no Winners files");
        out.Registertimers(host);
        g.Programfolder = folder;
        g.Controls.Send(Playerevent::Formload);
        g.Main.Visible = true; // as the title leaves it
        clock.Sync();
        out.Look();
        out.Lookatfiles();
    }

    void Do(const std::string& what, const std::function<void()>& handler) {
        out.Step(what);
        handler();
        clock.Sync();
        out.Look();
        out.Lookatfiles();
    }
    void Seconds(int s) {
        Do("wait " + std::to_string(s) + " s", [&] { clock.advance(int64_t{s} * 1000); });
    }
    void Menu(Menucommand item) {
        Do(std::string("menu ") + Commandname(item), [&] { g.Controls.Menu(item); });
    }
    void Press(Boxbutton button) {
        Do(std::string("press ") + Buttonname(button), [&] { g.Messagebutton(button); });
    }
    // The setting menu opened, its lists chosen, and Start pressed.
    void Start(std::initializer_list<std::pair<Combolist Settinglists::*, std::string>> choices) {
        Do("menu Mnuset", [&] { g.Controls.Send(Playerevent::Mnuset); });
        for (const auto& [list, text] : choices)
            Do("choose " + text, [&] {
                if (!g.Main.Lists.Choose(g.Main.Lists.*list, text)) out.Step("refused");
            });
        Do("start", [&] { g.Controls.Send(Playerevent::Cmdstart); });
    }
    // Keys typed into the input box, then its Submit.
    void Guess(const std::string& keys) {
        Do("guess " + keys, [&] {
            for (char k : keys)
                if (!g.Controls.Guesskey(k)) out.Step(std::string("refused ") + k);
            g.Controls.Send(Playerevent::Cmdsubnum);
        });
    }
    void Okresult() {
        Do("result OK", [&] { g.Controls.Send(Playerevent::Cmdshowresult); });
    }
    // The player's true marks of the computer's guess against `code`, or the Win button.
    void Mark(const Str& code) {
        const Str guess = g.Rec.Currentstring;
        if (guess == code) return Do("mark win", [&] { g.Controls.Send(Playerevent::Cmdwin); });
        const Hint h = Markguess(guess, code, g.Setting);
        Do("mark " + std::to_string(h.black) + " " + std::to_string(h.white), [&] {
            g.Controls.Correctkey(static_cast<char>('0' + h.black));
            if (!g.Setting.Fixedorder()) g.Controls.Wrongkey(static_cast<char>('0' + h.white));
            g.Controls.Send(Playerevent::Cmdgetresult);
            clock.Sync();
            clock.advance(10); // the computer's next guess
        });
    }

    const fs::path folder;
    Seededrandom rnd{20240101};
    Timerhost host;
    Virtualclock clock{host};
    Winnersbook book{folder, clock};
    Game g{rnd, book, clock};
    Transcriber out{g, folder};
};

using L = Settinglists;

// "You guess" with hints that may contain errors: a falsified hint, the player's claim and its
// correction, the game saved, ended, loaded and won (a loaded game earns no record).
void Youguesswitherrors(Session& s) {
    s.Menu(Menucommand::Mnukey);
    s.g.Plan.Answer = Str("4545");
    s.g.Plan.Errortrials = std::string("1");
    s.Start({{&L::Cbwho, "You guess"},
             {&L::Cbcolour, "6"},
             {&L::Cblength, "4"},
             {&L::Cbhint, "May contain error(s)"},
             {&L::Cborder, "Random order"},
             {&L::Cbrepeat, "May be repeated any times"}});
    s.Guess("0123");
    s.Okresult();
    s.Seconds(20);
    s.Guess("1230");
    s.Okresult();
    s.Do("claim an error", [&] { s.g.Controls.Send(Playerevent::Cmderror); });
    s.Press(Boxbutton::Cmdmid);
    s.Guess("4411");
    s.Okresult();
    s.Menu(Menucommand::Mnusaveas);
    s.Do("save as signature", [&] {
        s.g.Files.Txtfiles.Caption = "signature";
        s.g.Controls.Send(Playerevent::Cmdsave);
    });
    s.Menu(Menucommand::Mnuend);
    s.Press(Boxbutton::Cmdl2);
    s.Seconds(2);
    s.Press(Boxbutton::Cmdr3);
    s.Menu(Menucommand::Mnuload);
    s.Do("open signature", [&] {
        s.g.Files.Txtfiles.Caption = "signature";
        s.g.Controls.Send(Playerevent::Cmdopen);
    });
    s.Press(Boxbutton::Cmdmid);
    s.Seconds(1);
    s.Guess("4545");
    s.Press(Boxbutton::Cmdr3);
}

// "You guess" started in the middle, with blanks and in fixed order, won into the TOP FIVE list.
void Youguessmiddleblanks(Session& s) {
    s.g.Plan = Gameplan{};
    s.g.Plan.Answer = Str("126b");
    s.Start({{&L::Cbwho, "You guess"},
             {&L::Cbcolour, "7"},
             {&L::Cbstart, "Middle"},
             {&L::Cblength, "Unspecified (3 - 4)"},
             {&L::Cbhint, "No error"},
             {&L::Cborder, "Fixed order"},
             {&L::Cbrepeat, "May be repeated any times"}});
    s.Guess("013b");
    s.Okresult();
    s.Seconds(45);
    s.Guess("126b");
    s.Press(Boxbutton::Cmdr3);
    s.Do("name Signe", [&] {
        s.g.Main.Txtname.Caption = "Signe";
        s.g.Controls.Send(Playerevent::Cmdokname);
    });
    s.Do("continue", [&] { s.g.Controls.Send(Playerevent::Cmdcontinue); });
}

// "Computer guesses": the panel asking who marks left to its time-out; then a game from the
// middle, its rows typed and every guess marked by the player.
void Computerguessesmiddle(Session& s) {
    s.g.Plan = Gameplan{};
    s.Start({{&L::Cbwho, "Computer guesses"}, {&L::Cbstart, "Trial 1"}});
    s.Seconds(300);
    const Str code("5213");
    const std::string rows[] = {"0011", "2345"};
    s.Start({{&L::Cbwho, "Computer guesses"},
             {&L::Cbcolour, "6"},
             {&L::Cbstart, "Middle"},
             {&L::Cblength, "4"},
             {&L::Cborder, "Random order"},
             {&L::Cbrepeat, "May be repeated any times"}});
    s.Do("start trial 3", [&] {
        Combolist& c = s.g.Main.Cbtrialno;
        for (int i = 0; i < c.Listcount(); ++i)
            if (c.Items[static_cast<size_t>(i)] == "3") c.Listindex = i;
        s.g.Controls.Send(Playerevent::Cmdoktrial);
    });
    s.Do("player marks", [&] { s.g.Controls.Send(Playerevent::Cmdokmark); });
    s.Do("ready", [&] { s.g.Controls.Send(Playerevent::Cmdready); });
    for (size_t row = 0, n = 0; n < 40; ++n)
        if (s.g.Main.Frinput.Visible && row < std::size(rows))
            s.Guess(rows[row++]);
        else if (s.g.Main.Frgetresult.Visible)
            s.Mark(code);
        else
            break;
    s.Press(Boxbutton::Cmdr3);
}

// "Computer guesses" with the computer marking the code the player typed; its win message is
// left to time out.
void Computerguessesmarking(Session& s) {
    s.g.Plan = Gameplan{};
    s.Start({{&L::Cbwho, "Computer guesses"},
             {&L::Cbcolour, "8"},
             {&L::Cbstart, "Trial 1"},
             {&L::Cblength, "5"},
             {&L::Cborder, "Random order"},
             {&L::Cbrepeat, "Each colour at most 2 times"}});
    s.Do("computer marks", [&] {
        s.g.Controls.Send(Playerevent::Optyesmark);
        s.g.Controls.Send(Playerevent::Cmdokmark);
    });
    s.Guess("70725");
    s.Seconds(60);
    s.Seconds(900);
}

// "Watch computer play" with blanks, started in the middle, in fixed order, with an error.
void Watchcomputer(Session& s) {
    s.g.Plan = Gameplan{};
    s.g.Plan.Answer = Str("046bb");
    s.g.Plan.Errortrials = std::string("3");
    s.Start({{&L::Cbwho, "Watch computer play"},
             {&L::Cbcolour, "9"},
             {&L::Cbstart, "Middle"},
             {&L::Cblength, "Unspecified (3 - 5)"},
             {&L::Cbhint, "May contain error(s)"},
             {&L::Cborder, "Fixed order"},
             {&L::Cbrepeat, "Each colour at most 2 times"}});
    s.Seconds(30);
    s.Press(Boxbutton::Cmdmid);
    s.Seconds(30);
    s.Press(Boxbutton::Cmdr3);
}

// Five idle minutes start the demo; half a minute of its games, then a press on the board ends it.
void Demo(Session& s) {
    s.Seconds(300);
    s.Seconds(30);
    s.Do("press the board", [&] { s.g.Controls.Boardpress(1); });
}

} // namespace

Signature Playsignature() {
    const fs::path folder = Unforeseenname(fs::temp_directory_path(), ".signature");
    fs::create_directories(folder / "Winners");
    std::string text;
    try {
        Session s(folder);
        for (auto game : {Youguesswitherrors, Youguessmiddleblanks, Computerguessesmiddle,
                          Computerguessesmarking, Watchcomputer, Demo})
            game(s);
        text = s.out.Text();
    } catch (...) {
        std::error_code ec;
        fs::remove_all(folder, ec);
        throw;
    }
    std::error_code ec;
    fs::remove_all(folder, ec);
    return {text, Fnv1a64(text)};
}

} // namespace tc
