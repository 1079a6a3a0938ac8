// tintcipher-cli: the game layer without a window. Plays one game of "Watch computer play" and
// prints its transcript, runs the exhaustive simulation of a setting, prints a setting's TOP FIVE
// list and computer statistics, or the signature of the game's procedures.
#include "engine/codes.h"
#include "engine/gamesetting.h"
#include "play/autoplay.h"
#include "play/game.h"
#include "records/topfive.h"
#include "records/winners.h"
#include "savedgames/savedfile.h"
#include "settings/settingtexts.h"
#include "shell/title.h"
#include "signature/signature.h"
#include "statistics/simulation.h"
#include "system/fieldtext.h"
#include "system/platform.h"
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

bool Stderristerminal();

namespace {

using namespace tc;

const char* const Helptext = R"HELP(Usage: tintcipher-cli COMMAND [OPTIONS]

Commands:
  play SETTING --code CODE [--colour-order PERM] [--errors DIGITS] [--start S --rows G1,G2,...]
      Plays one game of "Watch computer play" against CODE and prints one line per marked or
      given trial: "T GUESS B W" in random order, "T GUESS C" in fixed order (marks as stored,
      falsified where planned); "DETECTED T" when the computer finds its hints inconsistent,
      "CORRECTED" after the correction, and a last line "WIN A" (A attempts) or "BUG GUESS".
  simulate SETTING [--colour-order PERM] [--threads N]
      Plays every valid code of the setting once, in odometer order, on all cores by default;
      prints the three lines of the statistics message, then one line "ATTEMPTS COUNT" per
      number of attempts. A progress line is shown on standard error when it is a terminal.
  show-game FILE
      Prints a saved game: its setting, status, rows and time; a file that is not a saved game
      gets the loader's refusal on standard error and exit status 2.
  records SETTING [--middle] [--hint-errors] [--folder DIR]
      Prints the TOP FIVE list of the setting, one line "PLACE SECONDS ATTEMPTS NAME" per place
      ("-" for the time and attempts of an empty place), then "AVERAGE A" and "POPULATION P",
      the computer's statistics of the setting. --middle and --hint-errors choose the slot of
      games started in the middle and of hints that may contain errors. The Winners files are
      first checked as at start-up; a missing, altered or malformed file is reported in one line
      on standard error.
      DIR is the program folder holding "Winners". Without --folder: for a build, its program
      folder (the folder "app" beside the companion's folder); for an installed copy, the
      player's own, $XDG_DATA_HOME/tintcipher (~/.local/share/tintcipher), which the game makes
      on its first start; else the current folder.
  signature [--transcript]
      Plays a fixed set of games through the game's procedures in virtual time and prints
      "signature: N", a hash of everything they showed, waited for, drew in rows and wrote to
      files; it changes only when the game's behaviour does. --transcript prints what was
      hashed, one line per change, before the number.
  --help
      Shows this text.
  --version
      Shows the version.

SETTING:
  --colours 5..10 --length 3..8 [--unspecified] --repeat none|any|2..7 --order fixed|random
  The length is the fixed length, or N of "Unspecified (3 - N)" with --unspecified; the length is
  at most colours - 2 and a repetition limit k lies between 2 and the length - 1.
  Games start at "Trial 1" with hints "No error" unless --start or --errors says otherwise.

Options:
  --code CODE          the secret code: colour digits, "b" for a blank in unspecified lengths
  --colour-order PERM  the computer's order of trying colours, a permutation of the colours;
                       without it each game draws its own
  --errors DIGITS      one or two trials 1..9, increasing, whose hints are falsified
  --start S            start in the middle at trial S (2..9); needs --rows
  --rows G1,G2,...     exactly S - 1 valid strings, different from each other and from the code
  --threads N          simulation threads (default: all cores)

Names and file names are printed with their control characters as \xHH.

Exit status: 0 on success, 1 when the game ends in a program fault or the signature's games
find no temporary folder to play in, 2 on a usage error (told on standard error) or when the
Winners files fail their check, 3 when the output could not be written.
)HELP";

const char* const Commands = "play, simulate, show-game, records or signature";

struct Usageerror : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text from the command line or a file, safe to print (see `Fieldtext`).
std::string Printable(const std::string& text) {
    return Fieldtext(text);
}

int Number(const std::string& text, const std::string& option, int low, int high) {
    const std::string range = std::to_string(low) + ".." + std::to_string(high);
    if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
        throw Usageerror(option + " takes a number " + range + ", not '" + text + "'");
    // Any number of digits: a long one is simply too large.
    const size_t digits = text.size() - std::min(text.find_first_not_of('0'), text.size());
    if (digits > 4 || std::stoi(text) < low || std::stoi(text) > high)
        throw Usageerror(option + " takes a number " + range + ", not " + text);
    return std::stoi(text);
}

std::string Listed(const std::vector<std::string>& names) {
    std::string out;
    for (size_t i = 0; i < names.size(); ++i)
        out += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return out;
}

struct Options {
    Gamesetting setting;
    std::optional<Str> code, colourorder;
    std::optional<std::string> errors;
    std::optional<int> start;
    std::vector<Str> rows;
    int threads = 0;
};

Str Codearg(const std::string& text, const Gamesetting& s, const std::string& what) {
    if (text.size() != static_cast<size_t>(s.Codelength) || !Validcode(Str(text), s))
        throw Usageerror(what + " '" + text + "' is not a valid code of the setting");
    return Str(text);
}

Options Parse(const std::vector<std::string>& args, bool play) {
    std::map<std::string, std::string> values;
    bool unspecified = false;
    const std::vector<std::string> known =
        play ? std::vector<std::string>{"--colours", "--length", "--repeat",
                                        "--order",   "--code",   "--colour-order",
                                        "--errors",  "--start",  "--rows"}
             : std::vector<std::string>{"--colours", "--length",       "--repeat",
                                        "--order",   "--colour-order", "--threads"};
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--unspecified") {
            if (unspecified) throw Usageerror("--unspecified given twice");
            unspecified = true;
            continue;
        }
        bool ok = false;
        for (const auto& k : known) ok = ok || k == a;
        if (!ok) {
            std::vector<std::string> all = known;
            all.push_back("--unspecified");
            throw Usageerror("unknown option '" + a + "'; the options here are " + Listed(all));
        }
        if (values.count(a)) throw Usageerror(a + " given twice");
        if (i + 1 >= args.size()) throw Usageerror(a + " needs a value");
        values[a] = args[++i];
    }
    for (const auto& [need, accepted] :
         {std::pair{"--colours", "5..10"}, std::pair{"--length", "3..8"},
          std::pair{"--repeat", "none, any or 2..7"}, std::pair{"--order", "fixed or random"}})
        if (!values.count(need))
            throw Usageerror(std::string("missing ") + need + " (" + accepted + ")");
    if (play && !values.count("--code")) throw Usageerror("missing --code (the secret code)");

    Options o;
    Gamesetting& s = o.setting;
    s.Whoguess = Role::Watch;
    s.Ncolours = Number(values["--colours"], "--colours", 5, 10);
    const int length = Number(values["--length"], "--length", 3, 8);
    if (length > s.Ncolours - 2)
        throw Usageerror("--length " + std::to_string(length) + " needs at least " +
                         std::to_string(length + 2) + " colours");
    if (unspecified && length < 4) throw Usageerror("an unspecified length runs from 3 to 4..8");
    s.Codelength = length;
    s.Fixedlength = unspecified ? 0 : 1;
    s.Maxblanks = unspecified ? length - 3 : 0;
    const std::string repeat = values["--repeat"];
    if (repeat == "none")
        s.Maxrepeat = 1;
    else if (repeat == "any")
        s.Maxrepeat = length;
    else if (!repeat.empty() && repeat.find_first_not_of("0123456789") == std::string::npos)
        s.Maxrepeat = Number(repeat, "--repeat", 2, length - 1);
    else
        throw Usageerror("--repeat takes none, any or a number 2.." + std::to_string(length - 1) +
                         ", not '" + repeat + "'");
    const std::string order = values["--order"];
    if (order == "fixed")
        s.Ordertype = Orderkind::Fixed;
    else if (order == "random")
        s.Ordertype = Orderkind::Random;
    else
        throw Usageerror("--order takes fixed or random, not '" + order + "'");
    s.Starttype = Startkind::Trialone;
    s.Starttrial = 1;
    s.Hinttype = Hintkind::Noerror;

    if (values.count("--colour-order")) {
        const std::string& p = values["--colour-order"];
        Str sorted(p.size() <= 10 ? p : std::string());
        Sortstring(sorted);
        if (p.size() != static_cast<size_t>(s.Ncolours) || !(sorted == Alphabet(s)))
            throw Usageerror("--colour-order '" + p + "' is not a permutation of the colours 0.." +
                             std::to_string(s.Ncolours - 1));
        o.colourorder = Str(p);
    }
    if (values.count("--threads")) o.threads = Number(values["--threads"], "--threads", 1, 256);
    if (!play) return o;

    o.code = Codearg(values["--code"], s, "--code");
    if (values.count("--errors")) {
        const std::string& e = values["--errors"];
        const bool ok = (e.size() == 1 || e.size() == 2) &&
                        e.find_first_not_of("123456789") == std::string::npos &&
                        (e.size() == 1 || e[0] < e[1]);
        if (!ok) throw Usageerror("--errors takes one or two increasing trials 1..9");
        o.errors = e;
        s.Hinttype = Hintkind::Errors;
    }
    if (values.count("--start") != values.count("--rows"))
        throw Usageerror("--start and --rows go together");
    if (values.count("--start")) {
        o.start = Number(values["--start"], "--start", 2, 9);
        s.Starttype = Startkind::Middle;
        const std::string& rows = values["--rows"];
        // Every comma separates two strings: "G1,G2," has an empty third.
        for (size_t from = 0, comma = 0; comma != std::string::npos; from = comma + 1) {
            comma = rows.find(',', from);
            const std::string row = rows.substr(from, comma - from);
            const Str r = Codearg(row, s, "row");
            if (r == *o.code) throw Usageerror("row '" + row + "' equals the code");
            for (const Str& earlier : o.rows)
                if (earlier == r) throw Usageerror("row '" + row + "' is given twice");
            o.rows.push_back(r);
        }
        if (static_cast<int>(o.rows.size()) != *o.start - 1)
            throw Usageerror("--rows needs exactly " + std::to_string(*o.start - 1) + " strings");
    }
    return o;
}

struct Transcript : Gameobserver {
    explicit Transcript(const Game& g) : game(g) {}
    void Processed(int t) override {
        const Gamerecord& r = game.Rec;
        std::cout << t << ' ' << r.Guesses[t].view() << ' ' << r.Blacks[t];
        if (!game.Setting.Fixedorder()) std::cout << ' ' << r.Whites[t];
        std::cout << '\n';
    }
    void Detected() override { std::cout << "DETECTED " << game.Rec.Trial << '\n'; }
    void Corrected() override { std::cout << "CORRECTED\n"; }
    void Bug(const std::string& guess) override {
        std::cout << "BUG" << (guess.empty() ? "" : " " + guess) << '\n';
        bug = true;
    }
    const Game& game;
    bool bug = false;
};

uint64_t Clockseed() {
    return static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

int Play(const Options& o) {
    Seededrandom rnd(Clockseed());
    Norecords records;
    Systemclock clock;
    Game g(rnd, records, clock);
    g.Headless = true;
    g.Setting = o.setting;
    Transcript out(g);
    g.Observer = &out;
    g.Plan.Answer = o.code;
    g.Plan.Colourorder = o.colourorder;
    g.Plan.Errortrials = o.errors;
    g.Plan.Starttrial = o.start;
    g.Plan.Rows = o.rows;
    g.Gamestarter.Initialize();
    Autoplay(g);
    if (out.bug) return 1;
    if (g.Rec.Status != Gamestatus::Win) {
        std::cout << "BUG\n";
        return 1;
    }
    std::cout << "WIN " << g.Rec.Attempts << '\n';
    return 0;
}

int Simulate(const Options& o) {
    const Gamesetting& s = o.setting;
    int64_t codes = 0;
    for (Odometer o(s);; ++codes)
        if (!o.Next()) {
            ++codes;
            break;
        }
    const int threads =
        o.threads ? o.threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    // The workers share nothing they write per game: each counts into its own totals and
    // publishes its games done on a cache line of its own, read by the progress line.
    struct alignas(64) Progress {
        std::atomic<int64_t> done{0};
    };
    std::vector<Simulationtotals> totals(static_cast<size_t>(threads));
    std::vector<Progress> progress(static_cast<size_t>(threads));
    std::atomic<bool> fault{false};
    auto worker = [&](int w) {
        Simulationtotals mine;
        int64_t done = 0;
        Seededrandom rnd(Clockseed() + static_cast<uint64_t>(w) * 7919);
        Norecords records;
        Systemclock clock;
        Game g(rnd, records, clock);
        Preparerun(g, s, Run::Simulate);
        Odometer odometer(s);
        for (int64_t i = 0;; ++i) {
            if (i % threads == w) {
                if (o.colourorder) g.Plan.Colourorder = o.colourorder;
                if (Simulategame(g, odometer.Code()))
                    mine.Count(g.Rec.Attempts, g.Rec.Finaltrial);
                else
                    fault = true;
                progress[static_cast<size_t>(w)].done.store(++done, std::memory_order_relaxed);
            }
            if (!odometer.Next()) break;
        }
        totals[static_cast<size_t>(w)] = std::move(mine);
    };
    auto done = [&] {
        int64_t n = 0;
        for (const Progress& p : progress) n += p.done.load(std::memory_order_relaxed);
        return n;
    };
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::thread> pool;
    for (int w = 0; w < threads; ++w) pool.emplace_back(worker, w);
    if (Stderristerminal()) {
        for (int tick = 1; done() < codes; ++tick) {
            // Short naps, so a run of a few hundredths of a second is not held up by the line.
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            if (tick % 25 != 0 && done() < codes) continue;
            const double secs =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const double n = static_cast<double>(done());
            const double rate = secs > 0 ? n / secs : 0;
            const double left = rate > 0 ? (static_cast<double>(codes) - n) / rate : 0;
            std::fprintf(stderr, "\r%5.1f%%  %lld/%lld games  %.0f games/s  %.0f s left   ",
                         100.0 * n / static_cast<double>(codes), static_cast<long long>(n),
                         static_cast<long long>(codes), rate, left);
        }
        std::fprintf(stderr, "\n");
    }
    for (auto& t : pool) t.join();
    Simulationtotals all;
    for (const auto& t : totals) all.Add(t);
    std::cout << Statisticsmessage(all) << '\n';
    for (const auto& [attempts, n] : all.Histogram) std::cout << attempts << ' ' << n << '\n';
    return fault ? 1 : 0;
}

// The program folder the records command reads when none is given: a build's program folder, or
// the player's own for an installed copy (its data found from the companion's folder, as the
// game finds it from its own).
std::filesystem::path Defaultfolder(const char* argv0) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0, ec);
    if (!ec) {
        const fs::path here = exe.parent_path(), app = here.parent_path() / "app";
        if (fs::is_directory(app / "Winners", ec)) return app;
        const fs::path user = Userdatafolder();
        if (Datafolder(here) != here && !user.empty()) return user;
    }
    return fs::current_path(ec);
}

int Records(const std::vector<std::string>& args, const char* argv0) {
    namespace fs = std::filesystem;
    std::vector<std::string> settingargs;
    bool middle = false, errors = false;
    std::optional<fs::path> folder;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--middle" || a == "--hint-errors") {
            bool& flag = a == "--middle" ? middle : errors;
            if (flag) throw Usageerror(a + " given twice");
            flag = true;
        } else if (a == "--unspecified") {
            settingargs.push_back(a);
        } else if (a == "--folder" || a == "--colours" || a == "--length" || a == "--repeat" ||
                   a == "--order") {
            if (i + 1 >= args.size()) throw Usageerror(a + " needs a value");
            if (a != "--folder") {
                settingargs.push_back(a);
                settingargs.push_back(args[++i]);
            } else if (folder) {
                throw Usageerror("--folder given twice");
            } else {
                folder = fs::path(args[++i]);
            }
        } else {
            throw Usageerror("unknown option '" + a +
                             "'; records takes --colours, --length, "
                             "--unspecified, --repeat, --order, --middle, --hint-errors and "
                             "--folder");
        }
    }
    Gamesetting s = Parse(settingargs, false).setting;
    s.Whoguess = Role::Youguess;
    s.Starttype = middle ? Startkind::Middle : Startkind::Trialone;
    s.Hinttype = errors ? Hintkind::Errors : Hintkind::Noerror;
    const fs::path dir = folder ? *folder : Defaultfolder(argv0);

    // The same verdict as the program's start: a list is shown only from files that pass.
    const Winnerscheck check = Checkwinners(dir);
    Loadedrecord file;
    if (check.Verdict == Winnersverdict::Fine) file = Readwinners(Winnersfile(dir, s.Ncolours));
    if (check.Verdict != Winnersverdict::Fine || file.Status != Filestatus::Ok) {
        // A file that passed the check but cannot be read now is the check's "other error".
        const bool fine = check.Verdict == Winnersverdict::Fine;
        fs::path where = dir;
        if (fine)
            where = Winnersfile(dir, s.Ncolours);
        else if (check.Ncolours != 0)
            where = Winnersfile(dir, check.Ncolours);
        const std::string line =
            fine ? Winnerslines(Winnersverdict::Unexpected).front() : check.Lines.front();
        std::cerr << "tintcipher-cli: " << Printable(where.string()) << ": " << line << '\n';
        return 2;
    }
    const Winnersrecord& r = file.Record;
    const int slot = Settingslot(s);
    for (int p = 1; p <= Nplaces; ++p) {
        const int i = Entryindex(slot, p);
        std::cout << p << ' '
                  << (r.Duration[i] == Emptyduration ? "-" : std::to_string(r.Duration[i])) << ' '
                  << (Emptyentry(r, slot, p) ? "-" : std::to_string(r.Attempt[i]));
        if (!r.Player[i].empty()) std::cout << ' ' << Printable(Nametext(r.Player[i]));
        std::cout << '\n';
    }
    std::cout << "AVERAGE " << Generalnumber(r.Average[slot]) << '\n';
    std::cout << "POPULATION " << r.Population[slot] << '\n';
    return 0;
}

int Printsignature(const std::vector<std::string>& args) {
    const bool transcript = args.size() == 1 && args[0] == "--transcript";
    if (!args.empty() && !transcript) throw Usageerror("signature takes only --transcript");
    Signature s;
    try {
        s = Playsignature();
    } catch (const std::exception& e) {
        // No program folder could be made in the temporary folder.
        std::cerr << "tintcipher-cli: the games could not be played: " << Printable(e.what())
                  << '\n';
        return 1;
    }
    if (transcript) std::cout << s.Transcript;
    std::cout << "signature: " << s.Number << '\n';
    return 0;
}

} // namespace

int Showgame(const std::vector<std::string>& args) {
    if (args.size() != 1) throw Usageerror("show-game takes one file");
    const Decoded d = Readsavedgame(args[0]);
    if (!d.Game) {
        std::cerr << "tintcipher-cli: " << Printable(args[0]) << ": " << Printable(d.Reason)
                  << '\n';
        return 2;
    }
    const Savedgame& g = *d.Game;
    static const char* const who[] = {"You guess", "Computer guesses", "Watch computer play"};
    const Settingdisplay text = Showsettingtexts(Settingof(g), g.Status);
    std::cout << "Setting: " << who[std::clamp(static_cast<int>(g.Whoguess), 1, 3) - 1] << '\n';
    std::stringstream titles(text.Title), contents(text.Content);
    for (std::string t, c; std::getline(titles, t) && std::getline(contents, c);)
        std::cout << "  " << t << (t.back() == ' ' ? "" : " ") << c << '\n';
    if (g.Whoguess == Role::Computerguesses)
        std::cout << "Marking: " << (g.Computermarks ? "computer" : "player") << '\n';
    std::cout << "Answer: " << (Answerstored(g) && !g.Answer.empty() ? g.Answer : "-") << '\n';
    for (int t = 1; t <= g.Finaltrial; ++t) {
        std::cout << t << ' ' << g.Guesses[static_cast<size_t>(t)] << ' '
                  << g.Blacks[static_cast<size_t>(t)];
        if (g.Ordertype == 2) std::cout << ' ' << g.Whites[static_cast<size_t>(t)];
        std::cout << '\n';
    }
    std::cout << "Time: " << Converttime(g.Elapsed) << '\n';
    return 0;
}

namespace {

int Command(const std::vector<std::string>& args, const char* program) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h" || args[0] == "help")) {
        std::cout << Helptext;
        return 0;
    }
    if (!args.empty() && args[0] == "--version") {
        std::cout << "tintcipher-cli " << TINTCIPHER_VERSION << '\n';
        return 0;
    }
    try {
        if (args.empty()) throw Usageerror(std::string("a command is needed: ") + Commands);
        const std::string command = args[0];
        const std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const auto& a : rest)
            if (a == "--help") {
                std::cout << Helptext;
                return 0;
            }
        if (command == "play") return Play(Parse(rest, true));
        if (command == "simulate") return Simulate(Parse(rest, false));
        if (command == "records") return Records(rest, program);
        if (command == "show-game") return Showgame(rest);
        if (command == "signature") return Printsignature(rest);
        throw Usageerror("unknown command '" + command + "'; a command is one of " + Commands);
    } catch (const Usageerror& e) {
        std::cerr << "tintcipher-cli: " << Printable(e.what()) << " (see --help)\n";
        return 2;
    }
}

} // namespace

int main(int argc, char** argv) {
    // A file-size limit makes a write fail, to be told below, rather than end the program.
    tc::Ignorefilesizesignal();
    const int status = Command({argv + 1, argv + argc}, argv[0]);
    // Output that never reached its file (a full disk, a closed pipe) is no success.
    errno = 0;
    std::cout.flush();
    if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::cerr << "tintcipher-cli: the output could not be written"
                  << (errno ? std::string(" (") + std::strerror(errno) + ")" : std::string())
                  << "\n";
        return 3;
    }
    return status;
}
