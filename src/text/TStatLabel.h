#pragma once

#include <memory>
#include <string>

#include "platform/TImageFont.h"
#include "platform/TObject.h"
#include "text/TLabel.h"

// A description ("Score:") and the value after it, which the owner refreshes
// whenever the value changes.
class TStatLabel : public TObject {
public:
    // Its position is the row's anchor.
    TLabelPtr description;
    // Gap between the description's end and the value, in unscaled pixels.
    float gapX = 10.0f;
    TLabelPtr stat;

    // Both labels start at (x, y) until AlignAsRow places the value.
    static std::shared_ptr<TStatLabel> Create(const std::string& descriptionText,
                                              const std::string& valueText, float x, float y,
                                              const TImageFontPtr& font, float scaleX,
                                              float scaleY);

    // Puts the value gap pixels after the description; call again after the
    // description's text, font or scale changes.
    virtual void AlignAsRow(int gap);
    virtual void Draw();
    // The gap in screen pixels: scaled like the description.
    virtual float GetGapX();
    // Each label gets its own colour object.
    virtual void SetColor(int r, int g, int b, float alpha);
    virtual void SetShadow(float shadowX, float shadowY, float alpha);
    virtual void SetUseRendererCamera(int flag);
    // The new value, shown through the value label's format.
    virtual void UpdateStat(const std::string& value);
};

using TStatLabelPtr = std::shared_ptr<TStatLabel>;
