#include "text/TStatLabel.h"

#include "core/Globals.h"

std::shared_ptr<TStatLabel> TStatLabel::Create(const std::string& descriptionText,
                                               const std::string& valueText, float x, float y,
                                               const TImageFontPtr& font, float scaleX,
                                               float scaleY) {
    auto row = std::make_shared<TStatLabel>();
    row->description = TLabel::Create(descriptionText, x, y, font, scaleX, scaleY);
    row->stat = TLabel::Create(valueText, x, y, font, scaleX, scaleY);
    row->stat->SetFormatMode(TTextFormat::FORMAT_MODE_STRING, 0);
    return row;
}

void TStatLabel::AlignAsRow(int gap) {
    gapX = static_cast<float>(gap);
    // The value's x is a game position that the camera scales again when it is
    // drawn, so the row is measured in game pixels: the description's width and
    // the gap at the description's scale. (Measured on screen, a zoomed row
    // would push its value a whole zoom factor too far.) Without zoom this is
    // the same as the description's screen width plus GetGapX.
    stat->x = description->x + description->GetWidth(1) + gapX * description->scaleX;
}

void TStatLabel::Draw() {
    description->Draw();
    stat->Draw();
}

float TStatLabel::GetGapX() {
    if (description->useRendererCamera) {
        return gapX * renderer->scaleX * description->scaleX;
    }
    return gapX * description->scaleX;
}

void TStatLabel::SetColor(int r, int g, int b, float alpha) {
    description->SetColor(r, g, b, alpha);
    stat->SetColor(r, g, b, alpha);
}

void TStatLabel::SetShadow(float shadowX, float shadowY, float alpha) {
    description->SetShadow(shadowX, shadowY, alpha);
    stat->SetShadow(shadowX, shadowY, alpha);
}

void TStatLabel::SetUseRendererCamera(int flag) {
    description->useRendererCamera = flag;
    stat->useRendererCamera = flag;
}

void TStatLabel::UpdateStat(const std::string& value) {
    stat->textRaw = value;
    stat->UpdateText();
}
