#include "screens/TTextStyle.h"

#include "core/Globals.h"

namespace {
constexpr float SHADOW_ALPHA = 0.5f;
}

TTextStyle::TTextStyle(int r, int g, int b, float scale, float shadowOffset)
    : color_(TColor::Create(r, g, b, 1.0f)),
      shadow_(TShadow::Create(shadowOffset, shadowOffset, SHADOW_ALPHA)), scale_(scale) {}

void TTextStyle::DrawCentred(const std::string& text, float y) const {
    renderer->OutputTextCentered(text, y, mainFont, scale_, scale_, color_, shadow_);
}

TLabelColumnPtr TTextStyle::MakeColumn(float x, float y, int gap) const {
    return TLabelColumn::Create(x, y, gap, mainFont, scale_, scale_, color_, shadow_);
}
