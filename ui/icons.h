#pragma once
// The toolbar's pictures, drawn rather than loaded so the program needs no image files for them.
#include <QCursor>
#include <QIcon>
#include <string>

namespace tc::ui {

// The picture of the toolbar button with this key; a plain square for unknown keys.
QIcon Toolicon(const std::string& key);

// The platform's picture of a message kind, standing in for the message icon files
// ("Icon/W95mbx01.ico" .. "04") until the installation brings them; an empty icon for other files.
QIcon Messageicon(const std::string& file);

// The mouse pointer of a cursor file with its hotspot, or `fallback` when it cannot be read.
QCursor Loadcursor(const QString& path, Qt::CursorShape fallback);

} // namespace tc::ui
