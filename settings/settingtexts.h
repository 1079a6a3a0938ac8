#pragma once
// Fixed item texts of the setting lists and the texts that show a setting to the player.
#include "engine/gamesetting.h"
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tc {

inline constexpr std::array<std::string_view, 3> Whoitems{"You guess", "Computer guesses",
                                                          "Watch computer play"};
inline constexpr std::array<std::string_view, 2> Startitems{"Trial 1", "Middle"};
inline constexpr std::array<std::string_view, 2> Hintitems{"No error", "May contain error(s)"};
inline constexpr std::array<std::string_view, 2> Orderitems{"Fixed order", "Random order"};
inline constexpr std::string_view Norepeat = "No repetition";
inline constexpr std::string_view Anyrepeat = "May be repeated any times";

// "Unspecified (3 - n)"; the digit n sits at character 18.
std::string Unspecifieditem(int n);
// "Each colour at most k times"; the digit k sits at character 21.
std::string Repeatitem(int k);
// The repetition as the player reads it, for a code of the given length.
std::string Repeattext(int maxrepeat, int length);

// The two labels of the setting display beside the board, eight lines each.
struct Settingdisplay {
    std::string Title;
    std::string Content;
};
Settingdisplay Showsettingtexts(const Gamesetting& setting, const std::string& status);

// The two lines that name a setting and its computer statistics in the statistics list.
struct Statlines {
    std::string Line1;
    std::string Line2;
};
// c colours, e the length key, o/s/h the order, start and hint types, r the repetition.
Statlines Showlisttexts(int c, int e, int o, int s, int h, int r, int32_t population,
                        float average);

// The shortest plain decimal text that reads back as the same float: 5.25, 0, 4.3333335. The
// editor shows it, so that storing a box unchanged keeps the number.
std::string Generalnumber(float value);
// The general form of a single-precision number, at most 7 significant digits: 5.25, 4.333333.
std::string Singletext(float value);

// n seconds in words: "0 second", "59 seconds", "1 minute ", "2 minutes 5 seconds".
std::string Converttime(int n);

} // namespace tc
