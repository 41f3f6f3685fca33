#include "platform/Fonts.h"

#include "platform/TPlatform.h"

int SetImageFont(const TImageFontPtr& font) {
    TPlatform::Instance().draw.font = font;
    return 0;
}

TImageFontPtr GetImageFont() {
    const auto& font = TPlatform::Instance().draw.font;
    return font ? font : BuiltinFont();
}

int TextWidth(const std::string& text) {
    return GetImageFont()->TextWidth(text);
}

int TextHeight(const std::string&) {
    return GetImageFont()->LineHeight();
}
