#pragma once

#include <memory>
#include <string>

#include "display/TColor.h"
#include "display/TShadow.h"
#include "platform/TImageFont.h"
#include "platform/TObject.h"
#include "text/TTextFormat.h"

// A line of text on the screen: where it sits and how it is aligned there, its
// font, scale, colour and drop shadow, and the format that turns the owner's
// raw value into the text that is shown.
class TLabel : public TObject {
public:
    static constexpr int ALIGN_LEFT = 0;
    static constexpr int ALIGN_RIGHT = 1;
    static constexpr int ALIGN_CENTRE_ALL = 2;
    static constexpr int ALIGN_CENTRE_HORIZ = 3;
    static constexpr int ALIGN_CENTRE_VERT = 4;

    // Anything other than the constants above draws as ALIGN_LEFT.
    int alignment = ALIGN_LEFT;
    // Null draws in whatever colour is current.
    TColorPtr color;
    // Null draws and measures with whatever font is current.
    TImageFontPtr imageFont;
    float fontSize = 10.0f;
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    TShadowPtr shadow;
    // What is drawn and measured: textRaw put through textFormat.
    std::string text;
    TTextFormatPtr textFormat;
    std::string textRaw;
    // 1: through the renderer's scroll and scale; 0: at raw screen pixels.
    int useRendererCamera = 1;
    float x = 0.0f;
    float y = 0.0f;

    static std::shared_ptr<TLabel> Create(const std::string& text, float x, float y,
                                          const TImageFontPtr& font, float scaleX, float scaleY);

    virtual void Draw();
    // logical 1 measures game pixels; 0 measures screen pixels, which under the
    // camera includes the renderer's scale.
    virtual float GetHeight(int logical);
    virtual float GetWidth(int logical);
    // The width the label would have showing candidate (unformatted).
    virtual float GetPotentialWidth(const std::string& candidate, int logical);
    virtual void SetColor(int r, int g, int b, float alpha);
    // Re-formats the raw value at once.
    virtual void SetFormatMode(int mode, int param);
    virtual void SetShadow(float shadowX, float shadowY, float alpha);
    // Shows value formatted without keeping it as the raw value.
    virtual void SetText(const std::string& value);
    // How owners change what the label shows.
    virtual void SetTextRaw(const std::string& value);
    virtual void UpdateText();

protected:
    // What Create does to a freshly made label (shared with derived labels).
    void InitLabel(const std::string& value, float atX, float atY, const TImageFontPtr& font,
                   float sx, float sy);
    // Where the text's top-left corner goes, in game pixels, before the camera.
    void AlignedPosition(float& dx, float& dy);

private:
    float MeasureWidth(const std::string& candidate, int logical);
    void DrawAt(float dx, float dy);
};

using TLabelPtr = std::shared_ptr<TLabel>;
