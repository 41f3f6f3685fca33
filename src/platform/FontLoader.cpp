#include "platform/Fonts.h"

#include <cstddef>

#include "platform/FilePath.h"
#include "platform/TFontRasterizer.h"
#include "platform/TPlatform.h"

// DejaVu Sans Mono, compiled into the program.
extern const unsigned char builtinFontData[];
extern const std::size_t builtinFontDataSize;

namespace {
constexpr int SMOOTH_STYLE = 4;
constexpr int BUILTIN_PIXEL_SIZE = 14;
} // namespace

TImageFontPtr LoadImageFont(const std::string& path, int pixelSize, int style) {
    return TFontRasterizer::FromFile(ResolvePath(path), pixelSize, (style & SMOOTH_STYLE) != 0);
}

TImageFontPtr BuiltinFont() {
    auto& platform = TPlatform::Instance();
    if (!platform.builtinFont) {
        platform.builtinFont = TFontRasterizer::FromMemory(builtinFontData, builtinFontDataSize,
                                                           BUILTIN_PIXEL_SIZE, true);
    }
    if (!platform.builtinFont) {
        // Only a broken build lacks the embedded font; text then measures but shows nothing.
        platform.builtinFont = std::make_shared<TImageFont>(BUILTIN_PIXEL_SIZE + 3, 8);
    }
    return platform.builtinFont;
}
