#include "play/gamestarter.h"
#include "engine/warnings.h"
#include "play/animator.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/gameclock.h"
#include "play/marking.h"
#include "play/stringinput.h"
#include "settings/settingtexts.h"

namespace tc {

void Gamestarter::Clearrec() {
    if (Rec.Runkind != Run::Simulate) Rec.Answer.clear();
    Rec.Trial = Rec.Finaltrial = Rec.Inputblanks = 0;
    Rec.Errorpending = Rec.Solvedunseen = Rec.Solvedtrial = 0;
    Rec.Claimtrial = Rec.Detecttrial = Rec.Checkmode = 0;
    Rec.Errortrials.clear();
    Rec.Trueblacks.clear();
    Rec.Truewhites.clear();
    Rec.Filepath.clear();
    for (Codestring& guess : Rec.Guesses) guess.clear();
    Rec.Blacks.fill(0); // whole arrays: a few wide stores, once a game of every statistics run
    Rec.Corrects.fill(0);
    Engine.Clear();
}

void Gamestarter::Initialize() {
    Clearrec();
    Main.Caption = Rec.Demomode ? "Demo" : "New Game - Unsaved";
    Main.Picfore.Visible = false;
    Main.Picupper.Visible = true;
    Main.Picrecord.Visible = true;
    if (Setting.Whoguess != Role::Youguess || Setting.Hinttype == Hintkind::Errors)
        Rec.Colourorder =
            Options.Plan.Colourorder ? *Options.Plan.Colourorder : Shufflecolours(Setting, rnd_);
    if (Rec.Runkind != Run::Simulate && Setting.Whoguess != Role::Computerguesses) {
        if (Options.Plan.Answer) {
            Rec.Answer = *Options.Plan.Answer;
            Rec.Answerblanks = Countchar(Rec.Answer, 'b');
        } else {
            Makecode("Answer", Rec, Setting, rnd_);
        }
    }
    Rec.Status = Gamestatus::Preparation;
    if (Setting.Hinttype == Hintkind::Noerror)
        Rec.Errortrials.clear();
    else if (Options.Plan.Errortrials)
        Rec.Errortrials = *Options.Plan.Errortrials;
    else
        Geterrortrial();
    if (Setting.Starttype == Startkind::Trialone) {
        Setting.Starttrial = 1;
    } else if (Setting.Whoguess != Role::Computerguesses) {
        if (Options.Plan.Starttrial)
            Setting.Starttrial = *Options.Plan.Starttrial;
        else
            Getstarttrial();
        for (Rec.Trial = 1; Rec.Trial <= Setting.Starttrial - 1; ++Rec.Trial) {
            const size_t given = static_cast<size_t>(Rec.Trial - 1);
            if (given < Options.Plan.Rows.size())
                Rec.Currentstring = Options.Plan.Rows[given];
            else
                Makecode("Guessstr", Rec, Setting, rnd_);
            Marking.Mark();
            // The given rows are on the board, in grey, before the first guess of the game.
            Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Currenthint.black,
                                 Rec.Currenthint.white, Rec.Currentstring);
            Marking.Processmark();
        }
    }
    Rec.Trial = Setting.Whoguess == Role::Youguess ? Setting.Starttrial - 1 : 0;
    Rec.Savedstate = Filestate::Unsaved;
    Options.Plan = Gameplan{};
    for (Menuitem* item :
         {&Main.Mnuset, &Main.Mnunew, &Main.Mnuload, &Main.Mnusaving, &Main.Mnudemo})
        item->Enabled = false;
    Main.Mnuend.Enabled = true;
    Main.Settlb();
}

void Gamestarter::Getstarttrial() {
    Gamesetting s = Setting;
    s.Starttype = Startkind::Trialone;
    s.Hinttype = Hintkind::Noerror;
    const float a = records_.Average(s);
    const int t = static_cast<int>(a + rnd_.Rnd());
    // A setting without statistics yet (average 0, or below 2) would start at trial 0 or 1:
    // a middle start always has at least one given row.
    Setting.Starttrial = Maximum(Minimum(t, 9), 2);
}

void Gamestarter::Geterrortrial() {
    Gamesetting s = Setting;
    s.Starttype = Startkind::Trialone;
    s.Hinttype = Hintkind::Noerror;
    const float a = records_.Average(s);
    const int e = static_cast<int>(rnd_.Rnd() * a) + 1;
    if (e > 9) {
        TC_FALSE_RESTRICT_BEGIN
        Rec.Errortrials = "9";
        TC_FALSE_RESTRICT_END
        return;
    }
    Rec.Errortrials = std::to_string(e);
    const int x = static_cast<int>(rnd_.Rnd() * 1000);
    if (x > 750) {
        const int y = static_cast<int>(rnd_.Rnd() * 5) + 1;
        if (e + y <= 9) Rec.Errortrials += static_cast<char>('0' + e + y);
    }
}

void Gamestarter::Startgame() {
    Rec.Status = Gamestatus::Playing;
    const bool timed = Timedgame();
    if (timed) {
        Main.Lbltime.Visible = true;
        Main.Lbltime.Caption = "Time spent:  0 second";
        Rec.Starttime = clock_.Ticks();
        Rec.Carriedseconds = 0;
        Gameclock.Resetwarning();
        Tmrrec.Enabled = true;
        Animator.Restartanimation();
        return;
    }
    // The computer plays both sides: no menu until the game is over.
    for (Menuitem* menu : {&Main.Mnugame, &Main.Mnumedia, &Main.Mnuoption, &Main.Mnuhelp})
        menu->Enabled = false;
    for (Toolbutton& b : Main.Tlbgame) b.Enabled = false;
    Boardview.Showsetting();
    Boardview.Showanswer("Answer");
    if (Wait.Is(Waitkey::Demo) && !Options.Headless) { // headless, the board is never drawn
        Drawtext demo;
        demo.X = 5000;
        demo.Y = 10;
        demo.Text = "DEMO";
        demo.Size = 12;
        demo.Bold = true;
        demo.Colour = Headingcolour;
        Main.Picrecord.Print(demo);
    }
    Tmrdelay.Interval = Wait.Is(Waitkey::Demo) ? Main.Speeddelay() : 1;
}

void Gamestarter::Finishgame() {
    Main.Caption = "Tintcipher";
    Rec.Status = Gamestatus::None;
    if (Rec.Runkind != Run::Simulate) Rec.Runkind = Run::None;
    Main.Picfore.Visible = true;
    Tmrdelay.Enabled = false;
    Tmrrec.Enabled = false;
    Main.Mousepointer.clear();
    Rec.Carriedseconds = 0;
    Wait.Setwait(300, Waitkey::Picfore);
    for (Control* c : {&Main.Frgetstring, &Main.Frinput, &Main.Frcolour, &Main.Frsetting,
                       &Main.Franswer, &Main.Frerror, &Main.Fraskcode, &Main.Frshowresult,
                       &Main.Frgetresult, &Main.Frscroll, &Main.Lbltime})
        c->Visible = false;
    Main.Picupper.Visible = false;
    Main.Picrecord.Visible = false;
    Boardview.Clear();
    Main.Piccorrect.Cls();
    Main.Picwrong.Cls();
    Main.Picguess.Cls();
    Main.Hsbspeed.Value = Main.Hsbspeed.Max;
    for (Menuitem* item : {&Main.Mnugame, &Main.Mnumedia, &Main.Mnuoption, &Main.Mnuhelp,
                           &Main.Mnuset, &Main.Mnunew, &Main.Mnuload, &Main.Mnudemo, &Main.Mnuquit})
        item->Enabled = true;
    Main.Mnusaving.Enabled = false;
    Main.Mnuend.Enabled = false;
    Main.Settlb();
    Main.Lists.Updatesetting(Setting);
}

void Gamestarter::Cmdstart_Click() {
    Main.Lists.Updatesetting(Setting);
    Rec.Demomode = 0;
    Main.Frmenu.Visible = false;
    Wait.Setwait(0, Waitkey::None);
    if (Setting.Whoguess != Role::Computerguesses) {
        Initialize();
        Startgame();
        Computerplay.Getguess();
    } else if (Setting.Starttype == Startkind::Trialone) {
        Cmdoktrial_Click();
    } else {
        Main.Cbtrialno.Clear();
        for (int t = 2; t <= 9; ++t) Main.Cbtrialno.Additem(std::to_string(t));
        Main.Cbtrialno.Listindex = 0;
        Main.Cmdoktrial.Default = true;
        Main.Frtrialno.Visible = true;
        Wait.Setwait(300, Waitkey::Frtrialno);
    }
}

void Gamestarter::Cmdoktrial_Click() {
    TC_FALSE_RESTRICT_BEGIN
    Setting.Starttrial =
        Setting.Starttype == Startkind::Trialone ? 1 : std::stoi("0" + Main.Cbtrialno.Text());
    TC_FALSE_RESTRICT_END
    Main.Frtrialno.Visible = false;
    Main.Optnomark.Value = true;
    Main.Optyesmark.Value = false;
    Main.Cmdokmark.Default = true;
    if (Setting.Hinttype == Hintkind::Errors) {
        // Errors are the computer's own: it must mark.
        Main.Optyesmark.Value = true;
        Main.Optnomark.Value = false;
        Cmdokmark_Click();
        return;
    }
    Main.Frmark.Visible = true;
    Wait.Setwait(300, Waitkey::Frmark);
}

void Gamestarter::Cmdokmark_Click() {
    Wait.Setwait(0, Waitkey::None);
    Initialize();
    Main.Frmark.Visible = false;
    if (Main.Optyesmark.Value) {
        Stringinput.Getstring();
        return;
    }
    // The player sees the game's colours while writing the code down.
    for (int c = 0; c < 10; ++c)
        Main.Piccolour[c].Visible = Main.Lblcolour[c].Visible = c < Setting.Ncolours;
    Main.Frcolour.Visible = true;
    Boardview.Showsetting();
    Main.Cmdready.Default = true;
    Main.Fraskcode.Visible = true;
    Wait.Setwait(300, Waitkey::Fraskcode);
}

void Gamestarter::Cmdready_Click() {
    Main.Sendescapes();
    Wait.Setwait(0, Waitkey::None);
    for (Control* c : {&Main.Fraskcode, &Main.Frcolour, &Main.Frsetting, &Main.Frgetresult})
        c->Visible = false;
    if (Setting.Starttype == Startkind::Trialone) {
        Startgame();
        Computerplay.Getguess();
    } else {
        Rec.Trial = 1;
        Stringinput.Getstring();
    }
}

} // namespace tc
