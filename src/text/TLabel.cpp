#include "text/TLabel.h"

#include "core/Globals.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"

std::shared_ptr<TLabel> TLabel::Create(const std::string& text, float x, float y,
                                       const TImageFontPtr& font, float scaleX, float scaleY) {
    auto label = std::make_shared<TLabel>();
    label->InitLabel(text, x, y, font, scaleX, scaleY);
    return label;
}

void TLabel::InitLabel(const std::string& value, float atX, float atY, const TImageFontPtr& font,
                       float sx, float sy) {
    textRaw = value;
    textFormat = std::make_shared<TTextFormat>();
    UpdateText();
    x = atX;
    y = atY;
    imageFont = font;
    scaleX = sx;
    scaleY = sy;
}

float TLabel::MeasureWidth(const std::string& candidate, int logical) {
    if (imageFont) {
        SetImageFont(imageFont);
    }
    float width = static_cast<float>(TextWidth(candidate)) * scaleX;
    if (useRendererCamera && !logical) {
        width *= renderer->scaleX;
    }
    if (imageFont) {
        SetImageFont(nullptr);
    }
    return width;
}

float TLabel::GetWidth(int logical) {
    return MeasureWidth(text, logical);
}

float TLabel::GetPotentialWidth(const std::string& candidate, int logical) {
    return MeasureWidth(candidate, logical);
}

float TLabel::GetHeight(int logical) {
    if (imageFont) {
        SetImageFont(imageFont);
    }
    float height = static_cast<float>(TextHeight(text)) * scaleY;
    if (useRendererCamera && !logical) {
        height *= renderer->scaleY;
    }
    if (imageFont) {
        SetImageFont(nullptr);
    }
    return height;
}

void TLabel::AlignedPosition(float& dx, float& dy) {
    dx = x + offsetX;
    dy = y + offsetY;
    switch (alignment) {
    case ALIGN_RIGHT:
        dx = (x - GetWidth(1)) + offsetX;
        break;
    case ALIGN_CENTRE_ALL:
        dx = (x - GetWidth(1) / 2.0f) + offsetX;
        dy = (y - GetHeight(1) / 2.0f) + offsetY;
        break;
    case ALIGN_CENTRE_HORIZ:
        dx = (x - GetWidth(1) / 2.0f) + offsetX;
        break;
    case ALIGN_CENTRE_VERT:
        dy = (y - GetHeight(1) / 2.0f) + offsetY;
        break;
    default:
        break;
    }
}

// The text in the current colour and font, with or without the camera.
void TLabel::DrawAt(float dx, float dy) {
    if (useRendererCamera) {
        renderer->TempScale(scaleX, scaleY);
        DrawText(text, renderer->GetX(dx), renderer->GetY(dy));
    } else {
        SetScale(scaleX, scaleY);
        DrawText(text, dx, dy);
    }
}

void TLabel::Draw() {
    float dx = 0.0f;
    float dy = 0.0f;
    AlignedPosition(dx, dy);
    if (imageFont) {
        SetImageFont(imageFont);
    }
    if (shadow) {
        shadow->Apply();
        DrawAt(dx + shadow->X, dy + shadow->Y);
        shadow->Restore();
    }
    if (color) {
        color->Apply();
    }
    DrawAt(dx, dy);
    renderer->RestoreScale();
    if (color) {
        color->Restore();
    }
    if (imageFont) {
        SetImageFont(nullptr);
    }
}

void TLabel::SetColor(int r, int g, int b, float alpha) {
    color = TColor::Create(r, g, b, alpha);
}

void TLabel::SetFormatMode(int mode, int param) {
    textFormat->SetFormatMode(mode, param);
    SetText(textRaw);
}

void TLabel::SetShadow(float shadowX, float shadowY, float alpha) {
    shadow = TShadow::Create(shadowX, shadowY, alpha);
}

void TLabel::SetText(const std::string& value) {
    text = textFormat->MakeFormattedString(value);
}

void TLabel::SetTextRaw(const std::string& value) {
    textRaw = value;
    SetText(textRaw);
}

void TLabel::UpdateText() {
    SetText(textRaw);
}
