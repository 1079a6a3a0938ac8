// tintcipher-mkwinners: makes the six Winners files of an installation. Every "Trial 1" /
// "No error" setting of "Watch computer play" gets the computer's statistics from games played
// headless by the real codebreaker, against random codes with random colour orders drawn from a
// fixed seed, so the same build gives the same averages.
#include "play/autoplay.h"
#include "play/game.h"
#include "records/winners.h"
#include "system/clock.h"
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace tc;

const char* const Usage =
    "Usage: tintcipher-mkwinners FOLDER [--games N]\n"
    "  Writes FOLDER/Winners/Winners5 .. Winners10 with the computer's\n"
    "  statistics from N games (default 10000, at most 30000) of each of the\n"
    "  356 \"Trial 1\" / \"No error\" settings of \"Watch computer play\".\n";

constexpr uint64_t Seed = 0x54696e7463697068; // fixed, so the files are reproducible

// The settings of the statistics sweep, in its order: colours, then fixed lengths 3..colours-2
// and unspecified lengths 3-4 .. 3-(colours-2), each repetition limit, both orders.
std::vector<Gamesetting> Sweepsettings() {
    std::vector<Gamesetting> all;
    for (int c = 5; c <= 10; ++c)
        for (int fixed = 1; fixed >= 0; --fixed)
            for (int l = fixed ? 3 : 4; l <= c - 2; ++l)
                for (int order = 1; order <= 2; ++order)
                    for (int r = 1; r <= l; ++r) {
                        Gamesetting s;
                        s.Whoguess = Role::Watch;
                        s.Ncolours = c;
                        s.Starttype = Startkind::Trialone;
                        s.Starttrial = 1;
                        s.Codelength = l;
                        s.Fixedlength = fixed;
                        s.Maxblanks = fixed ? 0 : l - 3;
                        s.Hinttype = Hintkind::Noerror;
                        s.Ordertype = static_cast<Orderkind>(order);
                        s.Maxrepeat = r;
                        all.push_back(s);
                    }
    return all;
}

// Takes the attempts of each counted win, as the Winners files would.
class Collector : public Recordbook {
public:
    float Average(const Gamesetting&) override { return 0; }
    std::string Addstatistic(const Gamesetting&, int attempts) override {
        Attempts.push_back(attempts);
        return {};
    }
    std::vector<int> Attempts;
};

// Plays the games of one setting; false when one did not end in a counted win.
bool Playsetting(const Gamesetting& s, size_t index, int games, std::vector<int>& attempts) {
    Seededrandom rnd(Seed + index * 0x9e3779b97f4a7c15ULL);
    Collector book;
    Systemclock clock;
    Game g(rnd, book, clock);
    Preparerun(g, s, Run::Initstat);
    for (int i = 0; i < games; ++i) {
        const size_t before = book.Attempts.size();
        g.Gamestarter.Initialize();
        Autoplay(g);
        if (book.Attempts.size() != before + 1) return false;
    }
    attempts = std::move(book.Attempts);
    return true;
}

int Parsegames(const std::string& text) {
    if (text.empty() || text.size() > 5 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return -1;
    const int n = std::stoi(text);
    return n <= Populationcap ? n : -1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    int games = 10000;
    std::filesystem::path folder;
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--help") {
            std::cout << Usage;
            return 0;
        }
        if (args[i] == "--games" && i + 1 < args.size()) {
            games = Parsegames(args[++i]);
            if (games < 0) {
                std::cerr << "tintcipher-mkwinners: --games takes 0.." << Populationcap << "\n";
                return 2;
            }
        } else if (folder.empty() && !args[i].starts_with("--")) {
            folder = args[i];
        } else {
            std::cerr << Usage;
            return 2;
        }
    }
    if (folder.empty()) {
        std::cerr << Usage;
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    const std::vector<Gamesetting> settings = Sweepsettings();
    std::vector<std::vector<int>> results(settings.size());
    std::atomic<size_t> next{0};
    std::atomic<bool> fault{false};
    // The largest settings take longest: they come last, so the threads finish together.
    auto worker = [&] {
        for (size_t i; (i = next++) < settings.size();) {
            const size_t k = settings.size() - 1 - i;
            if (!Playsetting(settings[k], k, games, results[k])) fault = true;
        }
    };
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) pool.emplace_back(worker);
    for (auto& t : pool) t.join();
    if (fault) {
        std::cerr << "tintcipher-mkwinners: a game did not end in a win\n";
        return 1;
    }

    // Each game goes into its slot's running average in the order played, as the game does it.
    std::vector<Winnersrecord> records(Lastcolours - Firstcolours + 1);
    for (size_t k = 0; k < settings.size(); ++k) {
        Winnersrecord& r = records[static_cast<size_t>(settings[k].Ncolours - Firstcolours)];
        for (int a : results[k]) Addgame(r, Settingslot(settings[k]), a);
    }
    Systemclock clock;
    std::error_code ec;
    std::filesystem::create_directories(folder / "Winners", ec);
    for (int n = Firstcolours; n <= Lastcolours; ++n) {
        const std::filesystem::path file = Winnersfile(folder, n);
        if (Writewinners(file, records[static_cast<size_t>(n - Firstcolours)], clock) !=
            Writeresult::Written) {
            std::cerr << "tintcipher-mkwinners: cannot write " << file.string() << "\n";
            return 1;
        }
    }
    const double secs =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%zu settings, %d games each, %u threads, %.1f s\n", settings.size(), games,
                threads, secs);
    return 0;
}
