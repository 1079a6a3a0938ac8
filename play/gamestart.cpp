#include "play/game.h"

namespace tc {

Game::Game(Randomsource& rnd, Recordbook& records) : rnd_(rnd), records_(records) {
    Engine.Sethost(this);
}

void Game::Clearrec() {
    if (Rec.Runkind != "Simulate") Rec.Answer.clear();
    Rec.Trial = Rec.Finaltrial = Rec.Inputblanks = 0;
    Rec.Errorpending = Rec.Solvedunseen = Rec.Solvedtrial = 0;
    Rec.Claimtrial = Rec.Detecttrial = Rec.Checkmode = 0;
    Rec.Errortrials.clear();
    Rec.Trueblacks.clear();
    Rec.Truewhites.clear();
    Rec.Filepath.clear();
    for (int t = 0; t < Trialslots; ++t) {
        Rec.Guesses[t].clear();
        Rec.Blacks[t] = Rec.Corrects[t] = 0;
    }
    Engine.Clear();
}

void Game::Initialize() {
    Clearrec();
    if (Setting.Whoguess != 1 || Setting.Hinttype == 2)
        Rec.Colourorder = Plan.Colourorder ? *Plan.Colourorder : Shufflecolours(Setting, rnd_);
    if (Rec.Runkind != "Simulate" && Setting.Whoguess != 2) {
        if (Plan.Answer) {
            Rec.Answer = *Plan.Answer;
            Rec.Answerblanks = static_cast<int16_t>(Countchar(Rec.Answer, 'b'));
        } else {
            Makecode("Answer", Rec, Setting, rnd_);
        }
    }
    Rec.Status = "Preparation";
    if (Setting.Hinttype == 1)
        Rec.Errortrials.clear();
    else if (Plan.Errortrials)
        Rec.Errortrials = *Plan.Errortrials;
    else
        Geterrortrial();
    if (Setting.Starttype == 1) {
        Setting.Starttrial = 1;
    } else if (Setting.Whoguess != 2) {
        if (Plan.Starttrial)
            Setting.Starttrial = static_cast<int16_t>(*Plan.Starttrial);
        else
            Getstarttrial();
        for (Rec.Trial = 1; Rec.Trial <= Setting.Starttrial - 1; ++Rec.Trial) {
            const size_t given = static_cast<size_t>(Rec.Trial - 1);
            if (given < Plan.Rows.size())
                Rec.Currentstring = Plan.Rows[given];
            else
                Makecode("Guessstr", Rec, Setting, rnd_);
            Mark();
            Processmark();
        }
    }
    Rec.Trial = static_cast<int16_t>(Setting.Whoguess == 1 ? Setting.Starttrial - 1 : 0);
    Rec.Savedstate = "Unsaved";
    Plan = Gameplan{};
}

void Game::Getstarttrial() {
    Gamesetting s = Setting;
    s.Starttype = 1;
    s.Hinttype = 1;
    const float a = records_.Average(s);
    const int t = static_cast<int>(a + rnd_.Rnd());
    Setting.Starttrial = static_cast<int16_t>(Minimum(t, 9));
}

void Game::Geterrortrial() {
    Gamesetting s = Setting;
    s.Starttype = 1;
    s.Hinttype = 1;
    const float a = records_.Average(s);
    const int e = static_cast<int>(rnd_.Rnd() * a) + 1;
    if (e > 9) {
        Rec.Errortrials = "9";
        return;
    }
    Rec.Errortrials = std::to_string(e);
    const int x = static_cast<int>(rnd_.Rnd() * 1000);
    if (x > 750) {
        const int y = static_cast<int>(rnd_.Rnd() * 5) + 1;
        if (e + y <= 9) Rec.Errortrials += static_cast<char>('0' + e + y);
    }
}

int Game::Speeddelay() const {
    return static_cast<int>(static_cast<double>(Hsbspeed) / Hsbspeedmax * 999 + 1);
}

int Game::Demodelay() const {
    return Waitkey == "Demo" ? Speeddelay() : 0;
}

void Game::Startgame() {
    Rec.Status = "Playing";
    const bool timed = Setting.Whoguess == 1 || Playermarks();
    if (!timed) Tmrdelay.Interval = Waitkey == "Demo" ? Speeddelay() : 1;
}

void Game::Processmark() {
    const int t = Rec.Trial;
    Rec.Guesses[t] = Rec.Currentstring;
    Rec.Blacks[t] = Rec.Currenthint.black;
    Rec.Whites[t] = Rec.Currenthint.white;
    Rec.Corrects[t] =
        static_cast<int16_t>(Setting.Fixedorder() ? Rec.Currenthint.black
                                                  : Rec.Currenthint.black + Rec.Currenthint.white);
    if (Observer) Observer->Processed(t);
}

void Game::Finishgame() {
    Rec.Status.clear();
    if (Rec.Runkind != "Simulate") Rec.Runkind.clear();
    Tmrdelay.Enabled = false;
    Rec.Carriedseconds = 0;
    Setwait(300, "Picfore");
    Hsbspeed = Hsbspeedmax;
}

void Game::Setwait(int timeout, const std::string& key) {
    if (timeout != 0) Waittimeout = timeout;
    if (key == "Nochange") return;
    if (!key.empty() && key.back() == '+')
        Waitkey = key + Waitkey;
    else
        Waitkey = key;
}

} // namespace tc
