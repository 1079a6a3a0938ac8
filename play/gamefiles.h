#pragma once
// Saving and loading games through the Open/Save dialog.
#include "play/gamepart.h"
#include "savedgames/fmfiles.h"
#include <filesystem>

namespace tc {

class Gamefiles : public Gamepart {
public:
    Gamefiles(const Gamecore& core, tc::Gameclock& gameclock, tc::Gamestarter& gamestarter,
              tc::Boardview& boardview, tc::Markentry& markentry, tc::Computerplay& computerplay,
              tc::Gameending& gameending, tc::Topfivelist& topfivelist,
              tc::Musicplayer& musicplayer, tc::Animator& animator, Fmfiles& files)
        : Gamepart(core), Gameclock(gameclock), Gamestarter(gamestarter), Boardview(boardview),
          Markentry(markentry), Computerplay(computerplay), Gameending(gameending),
          Topfivelist(topfivelist), Musicplayer(musicplayer), Animator(animator), Files(files) {}

    void Mnuload_Click();
    void Savefile();
    void Saveas();
    void Cmdopen_Click();
    void Cmdsave_Click();
    void Cmdcancelfiles_Click();
    void Fmfiles_KeyUp(int keycode); // 46: Delete
    void Dirfiles_Change(const std::filesystem::path& folder);
    void Drvfiles_Change(int index);
    void Filfiles_Click(int index);
    void Filfiles_DblClick(int index);
    void Cancelfiles();
    void Savegame();
    void Deletefile();
    void Opensavedialog();
    void Resetdrive();
    void Resumeloadedgame();

private:
    void Loadgame(const std::string& path);
    // The win message left by saving or by leaving its save dialog: on as its End button goes.
    void Leavewin();
    void Openfiles(Filemode mode);
    bool Settlepath();
    void Restartclock();
    std::string Chosenpath; // the full path the dialog settled on
    std::string Deletepath; // the file the Delete question is about
    // The subsystems and windows it works with.
    tc::Gameclock& Gameclock;
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Markentry& Markentry;
    tc::Computerplay& Computerplay;
    tc::Gameending& Gameending;
    tc::Topfivelist& Topfivelist;
    tc::Musicplayer& Musicplayer;
    tc::Animator& Animator;
    Fmfiles& Files;
};

} // namespace tc
