#include "platform/Fonts.h"

#include "platform/TPlatform.h"

// Font rasterising comes with the display backend; until then the built-in
// font is a plain fixed-width one and nothing loads.
TImageFontPtr LoadImageFont(const std::string&, int, int) {
    return nullptr;
}

TImageFontPtr BuiltinFont() {
    auto& platform = TPlatform::Instance();
    if (!platform.builtinFont) {
        platform.builtinFont = std::make_shared<TImageFont>(16, 8);
    }
    return platform.builtinFont;
}
