// The signature's fixed games reach what they are there to guard, and play the same every time.
#include "signature/signature.h"
#include "signature/transcriber.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace tc {
namespace {

namespace fs = std::filesystem;

int Leftfolders() {
    int n = 0;
    for (const auto& e : fs::directory_iterator(fs::temp_directory_path()))
        n += e.path().extension() == ".signature";
    return n;
}

TEST(Fnv1a64, KnownValues) {
    EXPECT_EQ(Fnv1a64(""), 14695981039346656037ull);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cull);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ull);
}

TEST(Playsignature, CoversRolesClaimsFilesTopFiveDemoAndTimeOuts) {
    const int before = Leftfolders();
    const Signature a = Playsignature();
    EXPECT_EQ(Leftfolders(), before);
    for (const char* part : {
             "message Error Detected: You are right!  In fact, there is an error in Trial 1.",
             "file Files/signature.tc 722 bytes",
             "window Loaded Game - <folder>/Files/signature.tc",
             "answer 126b\nrow 1 044b 0 0\n", // a middle start with blanks in fixed order
             "label Lblname  1.  Signe\\n",
             "file Winners/Winners7 32392 bytes",
             "wait Frmark 300\npanels Frmark Picfore\n> wait 300 s\nwait Picfore 300\n",
             "> mark win\nwait Win 900\nmessage Win: Win!  I have tried 2 times.",
             "status Win\nrow 6 70725 5 0\n", // the computer marked the code typed
             "\\nWin\n> wait 900 s\nwait Picfore 300\nwindow Tintcipher\nmessage closed\n",
             "answer 046bb\n",
             "message Error Detected: I have detected an error in the hints.",
             "window Demo\n",
             "label Lbldemo \\nWin!",
         })
        EXPECT_NE(a.Transcript.find(part), std::string::npos) << part;
    EXPECT_EQ(a.Transcript.find("message Bug"), std::string::npos);
    EXPECT_EQ(a.Number, Fnv1a64(a.Transcript));
    EXPECT_EQ(Playsignature().Transcript, a.Transcript);
}

} // namespace
} // namespace tc
