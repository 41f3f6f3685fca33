#pragma once

#include <memory>

#include "platform/TObject.h"

// A colour with alpha. Values are stored as given; the drawing layer limits
// them when it draws.
class TColor : public TObject {
public:
    int R = 0;
    int G = 0;
    int B = 0;
    float alpha = 1.0f;

    static std::shared_ptr<TColor> Create(int r, int g, int b, float alpha);

    virtual int Apply();
    // Sets the colour only; the alpha in force stays.
    virtual int ApplyNoAlpha();
    virtual int Copy(const TColor& other);
    virtual int Get(int& r, int& g, int& b) const;
    virtual int GetFull(int& r, int& g, int& b, float& a) const;
    // Back to the neutral state: white, opaque.
    virtual int Restore();
    virtual int Set(int r, int g, int b, float a);
};

using TColorPtr = std::shared_ptr<TColor>;
