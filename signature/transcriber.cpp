#include "signature/transcriber.h"
#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace tc {

namespace fs = std::filesystem;

uint64_t Fnv1a64(std::string_view bytes, uint64_t hash) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ull;
    }
    return hash;
}

Transcriber::Transcriber(Game& g, fs::path folder) : g_(g), folder_(std::move(folder)) {}

void Transcriber::Registertimers(Timerhost& host) {
    // The game names its timers to a host of its own; each is passed on with a look after its
    // tick, so that a message shown and closed between two steps of the script is seen too.
    Timerhost own;
    g_.Registertimers(own);
    for (const Timerhost::Entry& e : own.Timers())
        host.Add(e.Name, *e.Model, [this, tick = e.Tick] {
            tick();
            Look();
        });
}

void Transcriber::Line(const std::string& line) {
    text_ += Plain(line);
    text_ += '\n';
}

std::string Transcriber::Plain(std::string text) const {
    const std::string folder = folder_.string();
    for (size_t at = 0; (at = text.find(folder, at)) != std::string::npos;)
        text.replace(at, folder.size(), "<folder>");
    for (size_t at = 0; (at = text.find('\n', at)) != std::string::npos;)
        text.replace(at, 1, "\\n");
    return text;
}

void Transcriber::Step(const std::string& what) {
    Line("> " + what);
}

void Transcriber::Look() {
    const Fmmain& m = g_.Main;
    const Gamerecord& r = g_.Rec;
    if (g_.Wait.Key() != wait_ || g_.Wait.Timeout != timeout_) {
        wait_ = g_.Wait.Key();
        timeout_ = g_.Wait.Timeout;
        Line("wait " + wait_ + " " + std::to_string(timeout_));
    }
    if (m.Caption != caption_) {
        caption_ = m.Caption;
        Line("window " + caption_);
    }
    std::string message;
    if (g_.Message.Visible) {
        const Fmmessage& box = g_.Message;
        message = box.Caption + ": " + box.Lblmessage.Caption + " [" + box.Icon + "]";
        for (const Control* b : {&box.Cmdl3, &box.Cmdl2, &box.Cmdmid, &box.Cmdr3, &box.Cmdr2})
            if (b->Visible) message += (b->Default ? " *" : " ") + b->Caption;
    }
    if (message != message_) {
        message_ = message;
        Line(message.empty() ? "message closed" : "message " + message);
    }
    const std::pair<const char*, const Control*> panels[] = {
        {"Frmenu", &m.Frmenu},           {"Frgetstring", &m.Frgetstring},
        {"Frinput", &m.Frinput},         {"Frcolour", &m.Frcolour},
        {"Frerror", &m.Frerror},         {"Frshowresult", &m.Frshowresult},
        {"Frgetresult", &m.Frgetresult}, {"Frtrialno", &m.Frtrialno},
        {"Frmark", &m.Frmark},           {"Fraskcode", &m.Fraskcode},
        {"Frsetting", &m.Frsetting},     {"Franswer", &m.Franswer},
        {"Frscroll", &m.Frscroll},       {"Lbltime", &m.Lbltime},
        {"Frgetname", &m.Frgetname},     {"Picwinners", &m.Picwinners},
        {"Fredit", &m.Fredit},           {"Picrecord", &m.Picrecord},
        {"Picfore", &m.Picfore},         {"Picdemo", &m.Picdemo}};
    uint64_t shown = g_.Files.Visible ? 1 : 0;
    for (size_t i = 0; i < std::size(panels); ++i)
        if (panels[i].second->Visible) shown |= uint64_t{2} << i;
    if (shown != panels_) {
        panels_ = shown;
        std::string line = "panels";
        for (size_t i = 0; i < std::size(panels); ++i)
            if (shown & (uint64_t{2} << i)) line += std::string(" ") + panels[i].first;
        Line(shown & 1 ? line + " Fmfiles" : line);
    }
    if (r.Status != status_) {
        status_ = r.Status;
        Line("status " + Statusname(status_));
    }
    if (!(r.Answer == answer_)) {
        answer_ = r.Answer;
        Line("answer " + answer_.str());
    }
    // A row without a guess is not on the board, whatever marks its slot still holds.
    for (size_t t = 1; t < Trialslots; ++t) {
        const bool empty = r.Guesses[t].empty();
        const int black = empty ? 0 : r.Blacks[t], white = empty ? 0 : r.Whites[t];
        if (r.Guesses[t] == guesses_[t] && black == blacks_[t] && white == whites_[t]) continue;
        guesses_[t] = r.Guesses[t];
        blacks_[t] = black;
        whites_[t] = white;
        Line("row " + std::to_string(t) +
             (empty ? std::string(" cleared")
                    : " " + guesses_[t].str() + " " + std::to_string(black) + " " +
                          std::to_string(white)));
    }
    const std::pair<const char*, const Control*> labels[] = {{"Lblsetcontent", &m.Lblsetcontent},
                                                             {"Lblgetstring", &m.Lblgetstring},
                                                             {"Lblinput", &m.Lblinput},
                                                             {"Lblcorrect", &m.Lblcorrect},
                                                             {"Lblwrong", &m.Lblwrong},
                                                             {"Lbltrials", &m.Lbltrials},
                                                             {"Lblmyguess", &m.Lblmyguess},
                                                             {"Lbltrials2", &m.Lbltrials2},
                                                             {"Lbltrialno", &m.Lbltrialno},
                                                             {"Lblmark", &m.Lblmark},
                                                             {"Lblaskcode", &m.Lblaskcode},
                                                             {"Lblgetname", &m.Lblgetname},
                                                             {"Lblname", &m.Lblname},
                                                             {"Lbllisttime", &m.Lbllisttime},
                                                             {"Lblattempt", &m.Lblattempt},
                                                             {"Lbldemo", &m.Lbldemo}};
    labels_.resize(std::size(labels));
    for (size_t i = 0; i < std::size(labels); ++i)
        if (labels[i].second->Caption != labels_[i]) {
            labels_[i] = labels[i].second->Caption;
            Line(std::string("label ") + labels[i].first + " " + labels_[i]);
        }
}

void Transcriber::Lookatfiles() {
    std::map<std::string, std::pair<size_t, uint64_t>> now;
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(folder_, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        std::ifstream in(it->path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in),
                                std::istreambuf_iterator<char>()};
        now[it->path().lexically_relative(folder_).generic_string()] = {bytes.size(),
                                                                        Fnv1a64(bytes)};
    }
    for (const auto& [name, file] : now) {
        const auto was = files_.find(name);
        if (was != files_.end() && was->second == file) continue;
        Line("file " + name + " " + std::to_string(file.first) + " bytes, fnv " +
             std::to_string(file.second));
    }
    for (const auto& [name, file] : files_)
        if (!now.count(name)) Line("file " + name + " removed");
    files_ = std::move(now);
}

} // namespace tc
