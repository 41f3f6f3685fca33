#pragma once

#include <memory>
#include <string>

#include "display/TColor.h"
#include "display/TShadow.h"
#include "platform/TImageFont.h"
#include "platform/TList.h"
#include "text/TLabel.h"

// A column of labels spaced downwards by a fixed gap, sharing one font, scale,
// colour and shadow. The column is the list of its labels, in the order added.
class TLabelColumn : public TList {
public:
    // The one colour object every label added refers to; Null gives none.
    TColorPtr color;
    // y of the next label to be added.
    float nextY = 0.0f;
    int gap = 0;
    TImageFontPtr imageFont;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    // The one shadow object every label added refers to; Null gives none.
    TShadowPtr shadow;
    float x = 0.0f;
    // y of the first label.
    float y = 0.0f;

    static std::shared_ptr<TLabelColumn> Create(float x, float y, int gap,
                                                const TImageFontPtr& font, float scaleX,
                                                float scaleY, const TColorPtr& color,
                                                const TShadowPtr& shadow);

    // A new label at (x, nextY), appended; nextY moves down by gap.
    virtual void AddLabel(const std::string& text);
    virtual void Draw();
    // The setters below act on the labels already in the column only.
    virtual void SetAlignment(int alignment);
    // The column keeps its own colour for labels added later.
    virtual void SetColor(const TColorPtr& newColor);
    // The column keeps its own shadow for labels added later.
    virtual void SetShadow(const TShadowPtr& newShadow);
    virtual void SetTextFormat(int mode, int param);
    virtual void SetRendererCamera(int flag);

private:
    template <class Action> void ForEachLabel(Action action) const {
        for (const auto& element : *this) {
            if (auto label = As<TLabel>(element)) {
                action(*label);
            }
        }
    }
};

using TLabelColumnPtr = std::shared_ptr<TLabelColumn>;
