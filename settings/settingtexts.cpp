#include "settings/settingtexts.h"

#include <charconv>
#include <cmath>

namespace tc {

namespace {

template <std::size_t N>
std::string Itemof(const std::array<std::string_view, N>& items, int number) {
    // Numbers outside the list come only from damaged records; show nothing rather than crash.
    if (number < 1 || number > static_cast<int>(N)) return {};
    return std::string(items[number - 1]);
}

} // namespace

std::string Unspecifieditem(int n) {
    return "Unspecified (3 - " + std::to_string(n) + ")";
}

std::string Repeatitem(int k) {
    return "Each colour at most " + std::to_string(k) + " times";
}

std::string Repeattext(int maxrepeat, int length) {
    if (maxrepeat == length) return std::string(Anyrepeat);
    if (maxrepeat == 1) return std::string(Norepeat);
    return Repeatitem(maxrepeat);
}

Settingdisplay Showsettingtexts(const Gamesetting& setting, const std::string& status) {
    Settingdisplay d;
    d.Title = "Who guesses?\nNumber of colours:\nStart from:\nLength of code:\n"
              "Hints contain error(s)?\nOrder type:\nColour repeated? \nGame status:";
    d.Content = Itemof(Whoitems, static_cast<int>(setting.Whoguess)) + "\n";
    d.Content += std::to_string(setting.Ncolours) + "\n";
    d.Content += setting.Starttype == Startkind::Trialone
                     ? std::string(Startitems[0])
                     : "Middle (Trial " + std::to_string(setting.Starttrial) + ")";
    d.Content += "\n";
    d.Content += setting.Fixedlength == 1 ? std::to_string(setting.Codelength)
                                          : Unspecifieditem(setting.Codelength);
    d.Content += "\n";
    d.Content +=
        std::string(setting.Hinttype == Hintkind::Noerror ? Hintitems[0] : Hintitems[1]) + "\n";
    d.Content +=
        std::string(setting.Ordertype == Orderkind::Fixed ? Orderitems[0] : Orderitems[1]) + "\n";
    d.Content += Repeattext(setting.Maxrepeat, setting.Codelength) + "\n";
    d.Content += status;
    return d;
}

Statlines Showlisttexts(int c, int e, int o, int s, int h, int r, int32_t population,
                        float average) {
    const int length = e < 9 ? e : e - 5;
    Statlines lines;
    lines.Line1 = std::to_string(c) + " colours   " +
                  (e < 9 ? std::to_string(e) : Unspecifieditem(length)) + "  " +
                  Itemof(Orderitems, o) + "  " + Itemof(Startitems, s) + "  " +
                  Itemof(Hintitems, h) + "  " + Repeattext(r, length);
    lines.Line2 = std::to_string(population) + "     " + Singletext(average);
    return lines;
}

std::string Generalnumber(float value) {
    if (!std::isfinite(value)) return value != value ? "NaN" : (value > 0 ? "Inf" : "-Inf");
    if (value == 0) return "0"; // also for -0
    char buffer[64];
    // Fixed notation without a precision is the shortest text that round-trips.
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

std::string Singletext(float value) {
    if (!std::isfinite(value) || value == 0) return Generalnumber(value);
    char buffer[64];
    auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
    return std::string(buffer, result.ptr);
}

std::string Converttime(int n) {
    if (n <= 59) return std::to_string(n) + (n > 1 ? " seconds" : " second");
    const int m = n / 60, s = n % 60;
    std::string text = std::to_string(m) + (m > 1 ? " minutes " : " minute ");
    if (s > 1)
        text += std::to_string(s) + " seconds";
    else if (s == 1)
        text += "1 second";
    return text;
}

} // namespace tc
