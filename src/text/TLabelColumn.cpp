#include "text/TLabelColumn.h"

std::shared_ptr<TLabelColumn> TLabelColumn::Create(float x, float y, int gap,
                                                   const TImageFontPtr& font, float scaleX,
                                                   float scaleY, const TColorPtr& color,
                                                   const TShadowPtr& shadow) {
    auto column = std::make_shared<TLabelColumn>();
    column->x = x;
    column->y = y;
    column->gap = gap;
    column->imageFont = font;
    column->scaleX = scaleX;
    column->scaleY = scaleY;
    column->color = color;
    column->shadow = shadow;
    column->nextY = y;
    return column;
}

void TLabelColumn::AddLabel(const std::string& text) {
    auto label = TLabel::Create(text, x, nextY, imageFont, scaleX, scaleY);
    if (color) {
        label->color = color;
    }
    if (shadow) {
        label->shadow = shadow;
    }
    nextY += static_cast<float>(gap);
    AddLast(label);
}

void TLabelColumn::Draw() {
    ForEachLabel([](TLabel& label) { label.Draw(); });
}

void TLabelColumn::SetAlignment(int alignment) {
    ForEachLabel([alignment](TLabel& label) { label.alignment = alignment; });
}

void TLabelColumn::SetColor(const TColorPtr& newColor) {
    ForEachLabel([&newColor](TLabel& label) { label.color = newColor; });
}

void TLabelColumn::SetShadow(const TShadowPtr& newShadow) {
    ForEachLabel([&newShadow](TLabel& label) { label.shadow = newShadow; });
}

void TLabelColumn::SetTextFormat(int mode, int param) {
    ForEachLabel([mode, param](TLabel& label) { label.SetFormatMode(mode, param); });
}

void TLabelColumn::SetRendererCamera(int flag) {
    ForEachLabel([flag](TLabel& label) { label.useRendererCamera = flag; });
}
