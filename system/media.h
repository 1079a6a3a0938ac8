#pragma once
// The media devices as the game drives them: a device by name ("Mmcmenu" the main window's wave
// sound, "Mmctitle" the music, "Mmcavi" the title video) takes the commands "Open" (with a
// file relative to the program folder), "Play", "Stop" and "Close". The program plays them; a
// missing file or device leaves it silent.
#include <string>

namespace tc {

class Media {
public:
    virtual ~Media() = default;
    virtual void Command(const std::string& device, const std::string& command,
                         const std::string& file = "") = 0;
};

class Nomedia : public Media {
public:
    void Command(const std::string&, const std::string&, const std::string&) override {}
};

} // namespace tc
