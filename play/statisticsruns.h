#pragma once
// The computer's statistics runs: the sweep that initialises every setting, the simulation of
// one setting, and the statistics window.
#include "engine/codes.h"
#include "play/gamepart.h"
#include "statistics/simulation.h"
#include <optional>

namespace tc {

class Statisticsruns : public Gamepart {
public:
    Statisticsruns(const Gamecore& core, tc::Gamestarter& gamestarter, tc::Boardview& boardview,
                   tc::Computerplay& computerplay, Fmstat& stat, Statisticsbox& statbox)
        : Gamepart(core), Gamestarter(gamestarter), Boardview(boardview),
          Computerplay(computerplay), Stat(stat), Statbox(statbox) {}

    void Cmdstat_Click();
    void Cmdback_Click();
    void Cmdinitstat_Click();
    void Initstat();
    void Cmdsimulate_Click();
    void Simulate();
    // The progress bar and its caption; a run's last games are written when it finishes.
    void Updateprogress(bool finished);
    void Statisticsmessagebox();
    // Cancel: the demo or the run stops and the setting menu's choices come back.
    void Cmdcancel_Click();
    int Initcount() const { return initcount_; }                     // games of the sweep's setting
    const Simulationtotals& Simtotals() const { return simtotals_; } // the simulation's figures
    std::optional<Codestring> Simorder; // a fixed colour order for every simulated game

private:
    int initcount_ = 0;
    Simulationtotals simtotals_;
    void Beginrun(Run kind);
    void Endrun();
    std::optional<Odometer> Simcodes;
    int64_t Runstart = 0;
    long long Rungames = 0, Runtotal = 0;
    // The subsystems and windows it works with.
    tc::Gamestarter& Gamestarter;
    tc::Boardview& Boardview;
    tc::Computerplay& Computerplay;
    Fmstat& Stat;
    Statisticsbox& Statbox;
};

} // namespace tc
