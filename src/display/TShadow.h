#pragma once

#include <memory>

#include "platform/TObject.h"

// The black drop shadow drawn under text: its offset and strength.
class TShadow : public TObject {
public:
    float X = 1.0f;
    float Y = 1.0f;
    float alpha = 0.5f;

    static std::shared_ptr<TShadow> Create(float x, float y, float alpha);

    virtual int Init(float x, float y, float a);
    virtual int Copy(const TShadow& other);
    // Black at the shadow's alpha.
    virtual int Apply();
    // Back to the neutral state: white, opaque.
    virtual int Restore();
};

using TShadowPtr = std::shared_ptr<TShadow>;
