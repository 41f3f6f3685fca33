#pragma once

#include <string>

#include "platform/TImageFont.h"

// Rasterises a TrueType font at a pixel size; style 4 smooths the glyphs.
// An empty pointer when the file cannot be loaded.
TImageFontPtr LoadImageFont(const std::string& path, int pixelSize, int style);
// An empty pointer selects the built-in font.
int SetImageFont(const TImageFontPtr& font);
// The font in force, never empty (the built-in font when none was set).
TImageFontPtr GetImageFont();
TImageFontPtr BuiltinFont();
// Unscaled whole pixels in the current font.
int TextWidth(const std::string& text);
int TextHeight(const std::string& text);
