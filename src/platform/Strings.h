#pragma once

#include <string>

// Text helpers. Text is held as UTF-8; lengths and positions count characters
// (code points), which for the game's own texts equals UTF-16 code units.

std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);
std::string EncodeUtf8(char32_t code);
int TextLength(const std::string& text);

// Letters a to z become A to Z; everything else stays as it is.
std::string Upper(const std::string& text);
std::string Lower(const std::string& text);
// The first / last count characters (all of the text when it is shorter).
std::string Left(const std::string& text, int count);
std::string Right(const std::string& text, int count);
// count characters from the 1-based position start; count < 0 means to the end.
std::string Mid(const std::string& text, int start, int count = -1);
// Without leading and trailing characters at or below the blank.
std::string Trim(const std::string& text);
// text right-aligned in width characters: blanks in front when shorter, only
// its last width characters when longer.
std::string RSet(const std::string& text, int width);
// text left-aligned in width characters, blanks after it or cut on the right.
std::string LSet(const std::string& text, int width);

// Paths: folders end at '/' or '\'; the extension is what follows the last
// '.' of the file name.
std::string StripDir(const std::string& path);
std::string StripExt(const std::string& path);
std::string StripAll(const std::string& path);
std::string ExtractExt(const std::string& path);
std::string ExtractDir(const std::string& path);
