// Feeds arbitrary bytes to the saved-game reader. A record it accepts must go into a fresh game
// without harm and come back out of it byte for byte; a record it refuses must say why.
#include "play/game.h"
#include "savedgames/savedfile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace tc;

void Fail(const char* what) {
    std::fprintf(stderr, "savedgame_fuzz: %s\n", what);
    std::abort();
}

// Sound records of several roles, the start of the corpus.
std::vector<Savedgame> Seeds() {
    Savedgame you;
    you.Ncolours = 6;
    you.Codelength = 4;
    you.Hinttype = 2;
    you.Ordertype = 2;
    you.Maxrepeat = 2;
    you.Status = "Playing";
    you.Trial = you.Finaltrial = 2;
    you.Answer = "0112";
    you.Guesses[1] = "0123";
    you.Guesses[2] = "4455";
    you.Blacks = {0, 2, 1};
    you.Whites = {0, 1, 0};
    you.Errorpending = -1;
    you.Errortrials = "2";
    you.Trueblacks = you.Truewhites = "0";
    you.Elapsed = 125;

    Savedgame marks;
    marks.Whoguess = Role::Computerguesses;
    marks.Ncolours = 6;
    marks.Codelength = 4;
    marks.Maxrepeat = 4;
    marks.Status = "Playing";
    marks.Trial = 3;
    marks.Finaltrial = 2;
    marks.Guesses[1] = "0133";
    marks.Guesses[2] = "0000";
    marks.Blacks = marks.Corrects = {0, 1, 1};
    marks.Newcolours[1] = "013";
    marks.Newcounts[1] = "112";
    marks.Choice[1] = "100";
    marks.Newcolours[2] = "0";
    marks.Newcounts[2] = "3";
    marks.Choice[2] = "0";
    marks.Colourorder = "310542";
    marks.Currentstring = "0455";
    marks.Used = {4, 1, 0, 2};
    marks.Absent = {3, 1, 0, 2};
    marks.Elapsed = 42;

    Savedgame watch = you;
    watch.Whoguess = Role::Watch;
    watch.Status = "Win";
    watch.Fixedlength = 0;
    watch.Codelength = 5;
    watch.Ncolours = 8;
    watch.Answer = "012bb";
    watch.Guesses[1] = "013bb";
    watch.Guesses[2] = "012bb";
    watch.Blacks = {0, 2, 2};
    return {you, marks, watch};
}

} // namespace

// Writes the seeds into an empty corpus folder given on the command line.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    namespace fs = std::filesystem;
    for (int i = 1; i < *argc; ++i) {
        const std::string arg = (*argv)[i];
        if (arg.empty() || arg[0] == '-') continue;
        std::error_code ec;
        fs::create_directories(arg, ec);
        if (!fs::is_empty(arg, ec)) break;
        int n = 0;
        for (const Savedgame& g : Seeds()) {
            const Encoded e = Encode(g);
            if (!e) Fail(("a seed is refused: " + e.Reason).c_str());
            std::ofstream out(fs::path(arg) / ("seed" + std::to_string(n++)), std::ios::binary);
            out.write(reinterpret_cast<const char*>(e.Bytes.data()),
                      static_cast<std::streamsize>(e.Bytes.size()));
        }
        break;
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Decoded d = Decode(std::span<const uint8_t>(data, size));
    if (!d) {
        if (d.Reason.empty()) Fail("a refusal without a reason");
        return 0;
    }
    const Encoded again = Encode(*d.Game);
    if (!again) Fail("an accepted record cannot be written again");
    const Decoded back = Decode(again.Bytes);
    if (!back || !(*back.Game == *d.Game)) Fail("an accepted record does not come back the same");

    Seededrandom rnd(1);
    Norecords records;
    Systemclock clock;
    Game game(rnd, records, clock);
    if (!Restore(game, *d.Game).empty()) Fail("an accepted record is refused by the game");
    Savedgame captured = Capture(game);
    // The capture counts one second for a player-marked game saved in its first second.
    captured.Elapsed = d.Game->Elapsed;
    if (!(Normalise(captured) == *d.Game)) Fail("the game does not hold the record it was given");
    return 0;
}
