// The end of a game: win, game over, giving up; and the game clock.
#include "play/gameending.h"
#include "play/animator.h"
#include "play/boardview.h"
#include "play/hinterrors.h"
#include "play/statisticsruns.h"
#include "settings/settingtexts.h"
#include <charconv>
#include <cstring>
#include <string_view>

namespace tc {

void Gameending::Calculatetime() {
    Rec.Elapsed = Minimum(Rec.Carriedseconds + Wholeseconds(Rec.Starttime, clock_.Ticks()), 32767);
    Rec.Timetext = Converttime(Rec.Elapsed);
}

void Gameending::Win() {
    const bool timed = Timedgame();
    Animator.Repaintstrip();
    Rec.Finaltrial = Rec.Trial;
    Rec.Attempts = Rec.Trial - Setting.Starttrial + 1;
    Rec.Status = Gamestatus::Win;
    Boardview.Showsetting();
    // A statistics update that could not be stored is told with the win; the game goes on.
    std::string problem;
    if (Setting.Whoguess == Role::Watch && Setting.Hinttype == Hintkind::Noerror)
        problem = records_.Addstatistic(Setting, Rec.Attempts);
    if (!problem.empty()) problem = "\nThe computer's statistics could not be stored. " + problem;
    // The texts are built only where they are shown: every simulated game ends here.
    const auto solved = [&](const char* who) {
        return "After correcting the " + Plural("error", static_cast<int>(Rec.Trueblacks.size())) +
               ", it is found that " + who + " already got the correct answer at Trial " +
               std::to_string(Rec.Solvedtrial) + ".";
    };
    const auto tried = [&] { return std::to_string(Rec.Attempts) + Plural(" time", Rec.Attempts); };
    if (Rec.Demomode) {
        if (Rec.Errorpending) {
            Reportbug("");
            return;
        }
        if (Options.Observer) Options.Observer->Won();
        if (Rec.Solvedunseen) {
            winnote_ = solved("I");
        } else {
            // Composed in place and copied once: every simulated game ends here.
            constexpr std::string_view head = "\nWin!  I have tried ";
            const std::string_view tail = Rec.Attempts == 1 ? " time." : " times.";
            char note[head.size() + 8 + 8];
            std::memcpy(note, head.data(), head.size());
            char* end = std::to_chars(note + head.size(), note + head.size() + 8, Rec.Attempts).ptr;
            std::memcpy(end, tail.data(), tail.size());
            winnote_.assign(note, static_cast<size_t>(end - note) + tail.size());
        }
        if (!problem.empty()) winnote_ += problem;
        Main.Demonote(winnote_, "Icon/W95mbx03.ico");
        // The demo pauses a second on each win; a statistics run goes on at its own speed.
        Tmrdelay.Interval = Rec.Runkind == Run::Demo ? 1000 : Main.Speeddelay();
        Tmrdelay.Enabled = true;
        Rec.Status = Gamestatus::Nextdemo;
        return;
    }
    Options.Mediaout->Command("Mmcmenu", "Open", "Music/Tada.wav");
    Options.Mediaout->Command("Mmcmenu", "Play");
    Tmrrec.Enabled = false;
    Main.Lbltime.Visible = false;
    if (timed) {
        if (Setting.Whoguess == Role::Computerguesses) Rec.Answer = Rec.Currentstring;
        Boardview.Showanswer("Answer");
    }
    std::string text;
    if (Setting.Whoguess != Role::Youguess) {
        if (Rec.Errorpending) {
            Reportbug("");
            return;
        }
        text = Rec.Solvedunseen ? solved("I") : "Win!  I have tried " + tried() + ".";
    } else if (Rec.Errorpending) {
        text = "Well!  You have got the correct answer by pure luck. Haven't you noticed the " +
               Hinterrors.Errortext("error in Trial ", "errors in Trials ") + "?";
    } else {
        Calculatetime();
        Rec.Winseconds = Rec.Elapsed;
        Rec.Wintimetext = Rec.Timetext;
        text = Rec.Solvedunseen
                   ? solved("you")
                   : "Win!  You have tried " + tried() + " and spent " + Rec.Timetext + ".";
    }
    if (Options.Observer) Options.Observer->Won();
    Wait.Showmessage(Withendchoices({.Text = text + problem + "\nPlease choose one option below.",
                                     .Icon = Boxicon::Exclamation,
                                     .Key = Waitkey::Win,
                                     .Caption = "Win",
                                     .Timeout = 900}));
}

void Gameending::Gameover() {
    if (!Rec.Inplay()) return; // the clock and the last trial can both end a game
    if (Setting.Whoguess == Role::Computerguesses) --Rec.Trial;
    Rec.Finaltrial = Rec.Trial;
    Rec.Status = Gamestatus::Gameover;
    Boardview.Showsetting();
    Calculatetime();
    Main.Lbltime.Caption = "Time spent:  " + Rec.Timetext;
    Tmrrec.Enabled = false;
    for (Control* c : {&Main.Frshowresult, &Main.Frgetstring, &Main.Frinput, &Main.Frgetresult,
                       &Main.Frcolour, &Main.Lbltime, &Main.Frerror})
        c->Visible = false;
    std::string text;
    if (Setting.Whoguess == Role::Youguess) {
        if (Rec.Trial > 0) Boardview.Showanswer("Answer");
        if (Rec.Trial >= Lasttrial) {
            Boardview.Showrecord(Rec.Trial, Setting.Starttrial, Rec.Blacks[Rec.Trial],
                                 Rec.Whites[Rec.Trial], Rec.Guesses[Rec.Trial]);
            text = "Gameover! You have already reached the last trial.";
        } else {
            text = "Gameover! You have already spent one hour.";
        }
    } else {
        text = "Time is up! You have already spent one hour.";
    }
    if (Rec.Trial > 0)
        Wait.Showmessage(Withendchoices({.Text = text + "\nPlease choose one option below.",
                                         .Icon = Boxicon::Exclamation,
                                         .Key = Waitkey::Gameover1,
                                         .Caption = "Gameover",
                                         .Timeout = 900}));
    else
        Wait.Showmessage(Withok({.Text = text,
                                 .Icon = Boxicon::Exclamation,
                                 .Key = Waitkey::Gameover0,
                                 .Caption = "Gameover",
                                 .Timeout = 60}));
}

void Gameending::Tmrbuffer_Timer() {
    Tmrbuffer.Enabled = false;
    if (Rec.Runkind == Run::Simulate && Rec.Status == Gamestatus::None) {
        Statisticsruns.Statisticsmessagebox();
    } else if (Rec.Status == Gamestatus::Win) {
        Win();
    } else if (Rec.Status == Gamestatus::Endgame) {
        Wait.Showmessage(Withendchoices(
            {.Text = "You may see the answer in the Answer Frame now.\nPlease choose one "
                     "option below.",
             .Icon = Boxicon::Information,
             .Key = Waitkey::Franswer,
             .Caption = "Show Answer",
             .Timeout = 900}));
    }
}

void Gameending::Reportbug(const std::string& guess) {
    if (Options.Observer) Options.Observer->Bug(guess);
    Wait.Reportbug(guess);
}

} // namespace tc
