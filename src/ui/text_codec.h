#pragma once
// The one crossing between the raw bytes of the data files and Qt's text.

#include <QString>

#include <string>
#include <string_view>

namespace quorvex::ui {

// UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise (the code page
// the older data files were written in).
QString ToQString(std::string_view bytes);

// Typed text as bytes for the data files: UTF-8 on POSIX, the ANSI code page on Windows.
std::string ToBytes(const QString& text);

}  // namespace quorvex::ui
