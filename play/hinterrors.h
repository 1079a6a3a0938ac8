#pragma once
// Errors in hints: a claim judged, the hints found inconsistent, and the correction.
#include "play/gamepart.h"

namespace tc {

class Hinterrors : public Gamepart {
public:
    using Gamepart::Gamepart;

    void Errorcase();
    void Inconsistent();
    void Correction();
    // "error in Trial 3" / "errors in Trials 3 and 6" and its variants.
    std::string Errortext(const std::string& one, const std::string& two) const;
};

} // namespace tc
