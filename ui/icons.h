#pragma once
// The toolbar's pictures, drawn rather than loaded so the program needs no image files for them.
#include <QIcon>
#include <string>

namespace tc::ui {

// The picture of the toolbar button with this key; a plain square for unknown keys.
QIcon Toolicon(const std::string& key);

} // namespace tc::ui
