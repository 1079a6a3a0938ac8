// The player's manual names every choice of the setting menu and everything the programme may
// wait for, as the game itself holds them: a new choice or message without a word in the manual
// fails here.
#include "play/game.h"
#include "tests/records/recordtesting.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace tc {
namespace {

// The manual as a reader hears it: no tags, one blank between words.
std::string Manualtext() {
    std::ifstream in(TINTCIPHER_MANUAL);
    std::stringstream ss;
    ss << in.rdbuf();
    std::string text = std::regex_replace(ss.str(), std::regex("<[^>]*>"), " ");
    return std::regex_replace(text, std::regex("\\s+"), " ");
}

std::string Words(const std::string& s) {
    return std::regex_replace(s, std::regex("\\s+"), " ");
}

TEST(Manual, NamesEveryChoiceOfTheSettingMenu) {
    const std::string manual = Manualtext();
    ASSERT_GT(manual.size(), 1000u);
    Seededrandom rnd{1};
    Norecords rec;
    testkit::Testclock clock;
    Game g(rnd, rec, clock);
    g.Menus.Form_Load();
    const Fmmain& m = g.Main;
    for (const Control* label :
         {&m.Lblset, &m.Lblgametype, &m.Lblcolourno, &m.Lblstart, &m.Lblgamelength, &m.Lblhint,
          &m.Lblgameorder, &m.Lblgamerepeat, &m.Cmdstart, &m.Cmdcancel})
        EXPECT_NE(manual.find(Words(label->Caption)), std::string::npos) << label->Caption;
    // The first lists offer every colour, length, hint and role; the longest length offers
    // every repetition.
    Settinglists& l = g.Main.Lists;
    std::vector<std::string> items;
    for (const Combolist* list :
         {&l.Cbwho, &l.Cbcolour, &l.Cbstart, &l.Cblength, &l.Cbhint, &l.Cborder, &l.Cbrepeat})
        items.insert(items.end(), list->Items.begin(), list->Items.end());
    ASSERT_TRUE(l.Choose(l.Cblength, "8"));
    items.insert(items.end(), l.Cbrepeat.Items.begin(), l.Cbrepeat.Items.end());
    for (const std::string& item : items)
        EXPECT_NE(manual.find("\"" + item + "\""), std::string::npos) << item;
}

TEST(Manual, NamesEverythingTheProgrammeWaitsFor) {
    const std::string manual = Manualtext();
    // The words a player meets for each wait: a message's caption, a panel's prompt.
    const std::map<std::string, std::vector<std::string>> words = {
        {"Picfore", {"title picture"}},
        {"Thinking", {"I am thinking."}},
        {"Demo", {"DEMO"}},
        {"Frmenu", {"Game Setting Menu"}},
        {"Picwinners", {"TOP FIVE"}},
        {"Frtrialno", {"Choose the trial number at which you want me to start guessing."}},
        {"Frmark", {"Shall I do the marking for you?"}},
        {"Fraskcode", {"Now write down a secret code for me to guess."}},
        {"Frgetstring1", {"Input your guess by dragging or double-clicking the colours."}},
        {"Frgetstring2", {"Input a string for me to guess"}},
        {"Frshowresult", {"Result"}},
        {"Frgetresult", {"How many correct colours have I got"}},
        {"Frgetresult2", {"the marks of a given row you"}},
        {"Frgetname", {"Congratulation! You have entered the TOP FIVE list"}},
        {"Load", {"Load Game"}},
        {"Same", {"Inappropriate Input"}},
        {"Notenter", {"Loaded Game"}},
        {"Continue Playing", {"will be corrected"}},
        {"Warning", {"Warning"}},
        {"Gameover0", {"Gameover"}},
        {"Gameover1", {"Gameover"}},
        {"Notgame", {"Result of Previous Game"}},
        {"Franswer", {"Show Answer"}},
        {"Win", {"Win!"}},
        {"Error Detected", {"Error Detected"}},
        {"Wrong Detection", {"Hint(s) Consistent", "Late Detection of Error"}},
        {"Bug", {"This programme has a bug."}},
        {"Fmabout", {"About Tintcipher"}},
        {"Instruct", {"Brief Instructions"}},
        {"Mnuend", {"End Game?"}},
        {"Mnuquit", {"Quit Programme?"}},
        {"Mnusave", {"Save As"}},
        {"Nofile", {"No File Name"}},
        {"Overwrite", {"Overwrite File?"}},
        {"Notready", {"Disk Not Ready"}},
        {"Notexist", {"File Not Exist"}},
        {"Delete", {"Delete File?"}},
    };
    for (bool message : {false, true})
        for (const std::string& key : Waitstate::Contextkeys(message)) {
            const auto said = words.find(key);
            if (said == words.end()) {
                ADD_FAILURE() << "the manual says nothing of the wait \"" << key << "\"";
                continue;
            }
            for (const std::string& w : said->second)
                EXPECT_NE(manual.find(w), std::string::npos) << key << ": " << w;
        }
}

} // namespace
} // namespace tc
