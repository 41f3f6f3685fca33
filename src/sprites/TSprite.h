#pragma once

#include <memory>
#include <string>

#include "display/TColor.h"
#include "display/TGameImage.h"
#include "display/TShadow.h"
#include "platform/TImageFont.h"

// The base of everything that moves or fades on the play field: position,
// speed with friction and gravity, frame animation, hit box, hit flash, life
// time, and drawing as an image frame or as a line of text.
class TSprite : public TObject {
public:
    float alpha = 1.0f;
    int animFrames = 0;
    float animCounter = 0.0f;
    int animCounterMax = 0;
    int animDirection = 0;
    int animLoop = 0;
    int animSyncFlashFrame = 0;
    int direction = 0;
    TColorPtr color;
    int currentFrame = 0;
    int flashFrame = 0;
    TGameImagePtr gameImage;
    TGameImagePtr flashImage;
    float flashCounter = 0.0f;
    int flashCounterMax = 50;
    float frictionX = 0.0f;
    float frictionXClamp = 0.0f;
    float frictionY = 0.0f;
    float frictionYClamp = 0.0f;
    float gravity = 0.0f;
    int hitBoxX = 0;
    int hitBoxY = 0;
    int hitBoxWidth = 0;
    int hitBoxHeight = 0;
    float lifeCounter = 0.0f;
    float originalX = 0.0f;
    float originalY = 0.0f;
    float rotation = 0.0f;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    TShadowPtr shadow;
    float speedX = 0.0f;
    float speedXMax = 0.0f;
    float speedY = 0.0f;
    float speedYMax = 0.0f;
    int width = 0;
    int height = 0;
    std::string text;
    TImageFontPtr textFont;
    int useRendererCamera = 1;
    int w2 = 0;
    int h2 = 0;
    float x = 0.0f;
    float y = 0.0f;

    static std::shared_ptr<TSprite> Create(const TGameImagePtr& image, float x, float y,
                                           const std::string& text, const TImageFontPtr& font);

    virtual void ApplyFriction();
    // Keeps the centre at least half a size inside the screen.
    virtual void BoundsCheck();
    virtual void CalcAnimFrame();
    virtual void ClearHitBox();
    virtual void StoreOriginalCoords();
    virtual void CalcSize();
    // Places a text sprite so its text is centred on the stored coordinates.
    virtual void CentreText();
    virtual int CollideSprite(const TSprite& other);
    virtual void Draw();
    virtual void DrawCore(int shadowPass);
    // Starts an animation of frames over durationMs milliseconds a pass.
    virtual void InitAnim(int frames, int durationMs, int animDir, int loop);
    // False in the step the life time runs out.
    virtual int Logic();
    virtual void Move();
    virtual void StartHitFlash();
    virtual void SetFlashImage(const TGameImagePtr& image);
    virtual void SetHitBox(int boxX, int boxY, int boxWidth, int boxHeight);
    virtual void SetImage(const TGameImagePtr& image);
    virtual void SetScaleParams(float sx, float sy);
    virtual void SetSize(int newWidth, int newHeight);

protected:
    void InitSprite(const TGameImagePtr& image, float atX, float atY, const std::string& spriteText,
                    const TImageFontPtr& font);

private:
    void DrawImagePass(float drawX, float drawY);
    void DrawTextPass(int shadowPass, bool camera, float ox, float oy);
};

using TSpritePtr = std::shared_ptr<TSprite>;
