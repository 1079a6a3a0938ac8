// The computer's statistics in the program: the list of every setting's figures, the sweep that
// plays ten games of each setting, and the exhaustive simulation of the current setting.
#include "play/statisticsruns.h"
#include "engine/warnings.h"
#include "play/boardview.h"
#include "play/computerplay.h"
#include "play/gamestarter.h"
#include "records/winners.h"
#include "settings/settingtexts.h"

namespace tc {

namespace {

// The slot of a setting given as the statistics list walks them.
int Slotof(int c, int e, int o, int s, int h, int rep) {
    Gamesetting g;
    g.Whoguess = Role::Watch;
    g.Ncolours = c;
    g.Fixedlength = e < 9 ? 1 : 0;
    g.Codelength = e < 9 ? e : e - 5;
    g.Maxblanks = e < 9 ? 0 : g.Codelength - 3;
    g.Ordertype = static_cast<Orderkind>(o);
    g.Starttype = static_cast<Startkind>(s);
    g.Hinttype = static_cast<Hintkind>(h);
    g.Maxrepeat = rep;
    return Settingslot(g);
}

} // namespace

void Statisticsruns::Cmdstat_Click() {
    Wait.Setwait(0, Waitkey::None);
    Main.Visible = false;
    Stat.Lststat.Items.clear();
    Stat.Lststat.Visible = true;
    for (int c = 5; c <= 10; ++c) {
        const Loadedrecord file = Readwinners(Winnersfile(Options.Programfolder, c));
        const Winnersrecord& r = file.Record;
        for (int e = 3; e <= 13; ++e)
            for (int o = 1; o <= 2; ++o)
                for (int s = 1; s <= 2; ++s)
                    for (int h = 1; h <= 2; ++h) {
                        const int length = e < 9 ? e : e - 5;
                        if (length > c - 2) continue;
                        for (int rep = 1; rep <= length; ++rep) {
                            const int slot = Slotof(c, e, o, s, h, rep);
                            const Statlines l = Showlisttexts(c, e, o, s, h, rep,
                                                              r.Population[slot], r.Average[slot]);
                            Stat.Lststat.Items.push_back(l.Line1);
                            Stat.Lststat.Items.push_back(l.Line2);
                            Stat.Lststat.Items.push_back("");
                        }
                    }
    }
    Stat.Visible = true;
}

void Statisticsruns::Cmdback_Click() {
    if (!Stat.Visible) return;
    Wait.Setwait(60, Waitkey::Frmenu);
    Stat.Visible = false;
    Main.Visible = true;
}

void Statisticsruns::Beginrun(Run kind) {
    Wait.Setwait(0, Waitkey::Demo);
    Main.Lists.Keep();
    for (Menuitem* menu : {&Main.Mnugame, &Main.Mnumedia, &Main.Mnuoption, &Main.Mnuhelp})
        menu->Enabled = false;
    for (Toolbutton& b : Main.Tlbgame) b.Enabled = false;
    Main.Frmenu.Visible = false;
    Rec.Demomode = -1;
    Rec.Runkind = kind;
    Boardview.Clear();
    Main.Frscroll.Visible = true;
    Runstart = clock_.Ticks();
    Rungames = 0;
    records_.Setbatching(true);
}

void Statisticsruns::Cmdinitstat_Click() {
    Beginrun(Run::Initstat);
    Setting = Gamesetting{};
    Setting.Whoguess = Role::Watch;
    Setting.Ncolours = 5;
    Setting.Codelength = 3;
    initcount_ = 1;
    Runtotal = 3560;
    Gamestarter.Initialize();
    Gamestarter.Startgame();
    Computerplay.Getguess();
}

void Statisticsruns::Initstat() {
    ++Rungames;
    Gamesetting& s = Setting;
    const int L = s.Codelength;
    auto restart = [&s] {
        s.Ordertype = Orderkind::Fixed;
        s.Maxrepeat = 1;
    };
    if (initcount_ < 10) {
        ++initcount_;
    } else if (s.Maxrepeat < L) {
        ++s.Maxrepeat;
        initcount_ = 1;
    } else if (s.Ordertype == Orderkind::Fixed) {
        s.Ordertype = Orderkind::Random;
        s.Maxrepeat = 1;
        initcount_ = 1;
    } else if (L < s.Ncolours - 2) {
        ++s.Codelength;
        s.Maxblanks = s.Fixedlength ? 0 : s.Codelength - 3;
        restart();
        initcount_ = 1;
    } else if (s.Fixedlength && s.Ncolours > 5) {
        s.Fixedlength = 0;
        s.Codelength = 4;
        s.Maxblanks = 1;
        restart();
        initcount_ = 1;
    } else if (s.Ncolours < 10) {
        ++s.Ncolours;
        s.Fixedlength = 1;
        s.Codelength = 3;
        s.Maxblanks = 0;
        restart();
        initcount_ = 1;
    } else {
        Endrun();
        return;
    }
    Boardview.Clear();
    Main.Frscroll.Visible = true;
    Gamestarter.Initialize();
    Gamestarter.Startgame();
    Computerplay.Getguess();
}

void Statisticsruns::Cmdsimulate_Click() {
    Beginrun(Run::Simulate);
    Main.Lists.Updatesetting(Setting);
    Setting.Whoguess = Role::Watch;
    Simcodes.emplace(Setting);
    if (Simorder) Options.Plan.Colourorder = Simorder;
    simtotals_ = Simulationtotals{};
    Runtotal = 0;
    for (Odometer o(Setting);; ++Runtotal)
        if (!o.Next()) {
            ++Runtotal;
            break;
        }
    Rec.Answer = Simcodes->Code();
    Rec.Answerblanks = Countchar(Rec.Answer, 'b');
    Gamestarter.Initialize();
    Gamestarter.Startgame();
    Computerplay.Getguess();
}

void Statisticsruns::Simulate() {
    ++Rungames;
    simtotals_.Count(Rec.Attempts, Rec.Trial);
    if (!Simcodes->Next()) {
        Endrun();
        return;
    }
    Boardview.Clear();
    Main.Frscroll.Visible = true;
    Rec.Answer = Simcodes->Code();
    Rec.Answerblanks = Countchar(Rec.Answer, 'b');
    if (Simorder) Options.Plan.Colourorder = Simorder;
    Gamestarter.Initialize();
    Gamestarter.Startgame();
    Computerplay.Getguess();
}

void Statisticsruns::Cmdcancel_Click() {
    Tmrdelay.Enabled = false;
    Wait.Setwait(0, Waitkey::None);
    Main.Picdemo.Visible = false;
    Main.Frscroll.Visible = false;
    Rec.Demomode = 0;
    initcount_ = 0; // the sweep starts again from its first game
    const std::string problem = records_.Setbatching(false);
    Main.Progress.Visible = false;
    Main.Displaymode = Main.Mnucolour.Checked ? Displaykind::Colour : Displaykind::Number;
    Main.Lists.Restore(Main.Lists.Kept());
    Main.Frmenu.Visible = false;
    Gamestarter.Finishgame();
    if (Rec.Runkind == Run::Simulate) {
        // The statistics message reports the games counted; with none there is nothing to say.
        if (simtotals_.Population != 0)
            Tmrbuffer.Enabled = true;
        else
            Rec.Runkind = Run::None;
    }
    if (!problem.empty())
        Wait.Showmessage(
            Withok({.Text = "The computer's statistics could not be stored.\n" + problem,
                    .Icon = Boxicon::Critical,
                    .Key = Waitkey::Notexist,
                    .Caption = "Statistics Not Stored",
                    .Timeout = 60,
                    .Pushed = true}));
}

void Statisticsruns::Endrun() {
    // The last games are written as the menu comes back, which tells a failure.
    Updateprogress(true);
    Cmdcancel_Click();
}

void Statisticsruns::Updateprogress(bool finished) {
    Scrollbar& p = Main.Progress;
    p.Visible =
        !finished && Rec.Demomode && (Rec.Runkind == Run::Simulate || Rec.Runkind == Run::Initstat);
    if (!p.Visible) return;
    const double seconds = static_cast<double>(clock_.Ticks() - Runstart) / 1000.0;
    const double rate = seconds > 0 ? Rungames / seconds : 0;
    p.Value = Rungames;
    p.Max = Runtotal;
    p.Caption = std::to_string(Rungames) + " / " + std::to_string(Runtotal) + " games";
    if (rate > 0) {
        p.Caption += "   " + std::to_string(static_cast<long long>(rate)) + " games/s";
        p.Caption += "   " + std::to_string(static_cast<long long>((Runtotal - Rungames) / rate)) +
                     " s left";
    }
}

void Statisticsruns::Statisticsmessagebox() {
    Statbox.Title = "Statistics";
    TC_FALSE_RESTRICT_BEGIN
    Statbox.Icon = Boxicon::Information;
    TC_FALSE_RESTRICT_END
    Statbox.Text = Statisticsmessage(simtotals_);
    Statbox.Histogram.assign(simtotals_.Histogram.begin(), simtotals_.Histogram.end());
    Statbox.Visible = true;
    Rec.Runkind = Run::None;
}

} // namespace tc
