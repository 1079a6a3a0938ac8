// The TOP FIVE list: a won game's entry with the name panel, the list after a record or from the
// setting menu, and its editor in design mode.
#include "play/topfivelist.h"
#include "play/boardview.h"
#include "play/gamestarter.h"
#include "records/topfive.h"
#include "settings/settingtexts.h"
#include <algorithm>

namespace tc {

namespace {

// The slot of the setting, or -1 for a setting without one (only a setting built by hand).
int Slotof(const Gamesetting& s) {
    try {
        return Settingslot(s);
    } catch (const std::out_of_range&) {
        return -1;
    }
}

// The place chosen in the editor's list: the first when none is chosen, 0 for an index past the
// list.
int Editedplace(const Combolist& list) {
    if (list.Listindex < 0) return 1;
    return list.Listindex < Nplaces ? list.Listindex + 1 : 0;
}

} // namespace

void Topfivelist::Loadtopfive() {
    Fmmain& m = Main;
    m.Lblgetname.Caption =
        "Congratulation! You have entered the TOP FIVE list, please input your name.";
    m.Lblcharacter.Caption =
        "(Do not enter more than 15 characters. You have 1 minute's  time to do this.)";
    m.Cmdokname.Caption = "OK";
    m.Lblwinners.Caption = "TOP   FIVE";
    m.Lblplayer.Caption = "Players' Name";
    m.Lbltimespent.Caption = "Time spent";
    m.Lblnotrials.Caption = "No. of Attempts";
    m.Cmdcontinue.Caption = "Continue";
    m.Lblstat.Caption = "Computer Statistics";
    m.Cmdgo.Caption = "GO";
    m.Frgetname.Visible = m.Picwinners.Visible = m.Fredit.Visible = false;
}

bool Topfivelist::Readwinnersrecord() {
    const int slot = Slotof(Setting);
    Loadedrecord f;
    if (slot >= 0) f = Readwinners(Winnersfile(Options.Programfolder, Setting.Ncolours));
    if (f.Status != Filestatus::Ok) {
        // Never show another file's entries as this setting's.
        Winners = Winnersrecord{};
        return false;
    }
    Winners = std::move(f.Record);
    return true;
}

void Topfivelist::Offerrecord() {
    // The clock stopped at the win: `Winseconds` is the time the entry ranks and is kept by.
    const bool qualifies = Rec.Savedstate != Filestate::Loaded &&
                           Setting.Whoguess == Role::Youguess && Rec.Errorpending == 0 &&
                           Rec.Elapsed < Timelimit && Rec.Trial < Lasttrial;
    if (!qualifies || !Readwinnersrecord() ||
        Winnersplace(Winners, Slotof(Setting), Rec.Winseconds, Rec.Attempts) == 0) {
        Gamestarter.Finishgame();
        return;
    }
    Boardview.Clear();
    Main.Franswer.Visible = false;
    Main.Mnuend.Enabled = false;
    Main.Settlb();
    Main.Cmdokname.Default = true;
    Main.Frgetname.Visible = true;
    Main.Txtname.Caption.clear();
    Main.Txtname.Caret = 0;
    Main.Txtname.Setfocus();
    Wait.Setwait(60, Waitkey::Frgetname);
}

void Topfivelist::Cmdokname_Click() {
    if (!Main.Frgetname.Visible) return;
    Main.Frgetname.Visible = false;
    Main.Txtname.Focused = false;
    Wait.Setwait(0, Waitkey::None);
    const std::string problem = Updatewinners(Recordname(Main.Txtname.Caption));
    Winnersfrommenu = false;
    Showwinners();
    Tellnotstored(problem);
}

void Topfivelist::Tellnotstored(const std::string& problem) {
    // The list shows what the file holds; the player learns why the entry is not among it.
    if (!problem.empty())
        Wait.Showmessage(
            {.Text = "Your entry in the TOP FIVE list could not be stored.\n" + problem,
             .Kind = Messagekind::One,
             .Icon = Boxicon::Critical,
             .Mid = "OK",
             .Defaultbutton = Boxbutton::Cmdmid,
             .Key = Waitkey::Notexist,
             .Caption = "Entry Not Stored",
             .Timeout = 60,
             .Pushed = true});
}

std::string Topfivelist::Updatewinners(const std::string& name) {
    const std::filesystem::path file = Winnersfile(Options.Programfolder, Setting.Ncolours);
    // A file that cannot be read is not replaced by one holding this entry alone: that would
    // pass the start-up check with the other entries lost.
    const int slot = Slotof(Setting);
    Loadedrecord f;
    if (slot >= 0) f = Readforupdate(file);
    if (f.Status != Filestatus::Ok) return Winnersproblem(file, f.Status);
    Winners = std::move(f.Record);
    const int place = Winnersplace(Winners, slot, Rec.Winseconds, Rec.Attempts);
    if (place == 0) return {}; // the list filled up meanwhile: nothing to store
    Insertwinner(Winners, slot, place, Namebytes(name), Rec.Winseconds, Rec.Attempts);
    std::error_code why;
    const Writeresult w = Writewinners(file, Winners, clock_, &why);
    return Winnersproblem(file, w, why);
}

void Topfivelist::Showwinners() {
    const Settinglists& l = Main.Lists;
    Main.Lblhead.Caption = "No. of Colours: " + std::to_string(Setting.Ncolours) + "     " +
                           l.Cbstart.Text() + "     Length: " + l.Cblength.Text() + "     " +
                           l.Cbhint.Text() + "     " + l.Cborder.Text() + "     " +
                           l.Cbrepeat.Text();
    Readwinnersrecord();
    const int slot = Slotof(Setting);
    const Winnerstexts t = Listtexts(Winners, slot < 0 ? 0 : slot);
    Main.Lbldata.Caption = t.Statistics;
    Main.Lblname.Caption = t.Names;
    Main.Lbllisttime.Caption = t.Times;
    Main.Lblattempt.Caption = t.Attempts;
    Main.Picwinners.Visible = true;
    Main.Cmdcontinue.Default = true;
    if (Options.Designmode) {
        Main.Fredit.Visible = true;
        Main.Cbedit.Clear();
        for (int p = 1; p <= Nplaces; ++p) Main.Cbedit.Additem(std::to_string(p));
        Main.Cbedit.Listindex = 0;
        Cbedit_Click();
    } else {
        Main.Fredit.Visible = false;
        Wait.Setwait(60, Waitkey::Picwinners);
    }
}

void Topfivelist::Cmdtop_Click() {
    if (!Main.Frmenu.Visible || !Main.Lists.Cmdtop.Enabled) return;
    Wait.Setwait(0, Waitkey::None);
    Main.Lists.Updatesetting(Setting);
    Main.Frmenu.Visible = false;
    Main.Picfore.Visible = false;
    // Continue goes back to the menu. The game record cannot tell: its trial count stays
    // from the last game played.
    Winnersfrommenu = true;
    Showwinners();
}

void Topfivelist::Cmdcontinue_Click() {
    if (!Main.Picwinners.Visible) return;
    Main.Picwinners.Visible = false;
    Main.Fredit.Visible = false;
    Main.Picfore.Visible = true;
    Wait.Setwait(0, Waitkey::None);
    if (!Winnersfrommenu) {
        Gamestarter.Finishgame();
        return;
    }
    Winnersfrommenu = false;
    Main.Cmdstart.Default = true;
    Main.Frmenu.Visible = true;
    Wait.Setwait(300, Waitkey::Frmenu);
}

void Topfivelist::Cbedit_Click() {
    Readwinnersrecord();
    const int slot = Slotof(Setting) < 0 ? 0 : Slotof(Setting);
    const int i = Entryindex(slot, std::max(Editedplace(Main.Cbedit), 1));
    Main.Txtpopulation.Caption = std::to_string(Winners.Population[slot]);
    Main.Txtaverage.Caption = Generalnumber(Winners.Average[slot]);
    Main.Txtplayer.Caption = Nametext(Winners.Player[i]);
    Main.Txtduration.Caption = std::to_string(Winners.Duration[i]);
    Main.Txtattempt.Caption = std::to_string(Winners.Attempt[i]);
}

bool Topfivelist::Cmdgo_Click() {
    if (!Options.Designmode || !Main.Fredit.Visible) return false;
    const int slot = Slotof(Setting);
    const int place = Editedplace(Main.Cbedit);
    // Only an entry that exists is stored: never one of another slot, nor past the record.
    if (slot < 0 || place == 0) return false;
    const std::filesystem::path file = Winnersfile(Options.Programfolder, Setting.Ncolours);
    Loadedrecord f = Readforupdate(file);
    if (f.Status != Filestatus::Ok) {
        Tellnotstored(Winnersproblem(file, f.Status));
        return false;
    }
    Winners = std::move(f.Record);
    const int i = Entryindex(slot, place);
    // A box that does not hold a number keeps the value the file has; the others are stored.
    bool refused = false;
    if (const auto p = Populationvalue(Main.Txtpopulation.Caption))
        Winners.Population[slot] = *p;
    else
        refused = true;
    if (const auto a = Averagevalue(Main.Txtaverage.Caption))
        Winners.Average[slot] = *a;
    else
        refused = true;
    Winners.Player[i] = Namebytes(Firstcharacters(Main.Txtplayer.Caption, Namelength));
    Winners.Duration[i] = Leadingnumber(Main.Txtduration.Caption);
    Winners.Attempt[i] = Leadingnumber(Main.Txtattempt.Caption);
    std::error_code why;
    const Writeresult w = Writewinners(file, Winners, clock_, &why);
    Showwinners();
    Tellnotstored(Winnersproblem(file, w, why));
    return w == Writeresult::Written && !refused;
}

} // namespace tc
