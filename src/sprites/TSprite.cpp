#include "sprites/TSprite.h"

#include <cmath>

#include "common/Common.h"
#include "core/Globals.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"

std::shared_ptr<TSprite> TSprite::Create(const TGameImagePtr& image, float x, float y,
                                         const std::string& text, const TImageFontPtr& font) {
    auto sprite = std::make_shared<TSprite>();
    sprite->InitSprite(image, x, y, text, font);
    return sprite;
}

void TSprite::InitSprite(const TGameImagePtr& image, float atX, float atY,
                         const std::string& spriteText, const TImageFontPtr& font) {
    SetImage(image);
    x = atX;
    y = atY;
    StoreOriginalCoords();
    text = spriteText;
    textFont = font;
}

void TSprite::ApplyFriction() {
    speedX = (1.0f - frictionX * delta) * speedX;
    if (speedX > 0.0f && speedX < frictionXClamp) {
        speedX = 0.0f;
    }
    if (speedX < 0.0f && speedX > -frictionXClamp) {
        speedX = 0.0f;
    }
    speedY = (1.0f - frictionY * delta) * speedY;
    if (speedY > 0.0f && speedY < frictionYClamp) {
        speedY = 0.0f;
    }
    if (speedY < 0.0f && speedY > -frictionYClamp) {
        speedY = 0.0f;
    }
}

void TSprite::BoundsCheck() {
    auto right = static_cast<float>(renderer->screenWidth - w2);
    auto bottom = static_cast<float>(renderer->screenHeight - h2);
    if (x < static_cast<float>(w2)) {
        x = static_cast<float>(w2);
    } else if (x > right) {
        x = right;
    }
    if (y < static_cast<float>(h2)) {
        y = static_cast<float>(h2);
    } else if (y > bottom) {
        y = bottom;
    }
}

void TSprite::CalcAnimFrame() {
    // A pass shorter than one step has no length: the first frame shows.
    double position = animCounterMax != 0 ? static_cast<double>(animCounter) / animCounterMax : 0.0;
    currentFrame = static_cast<int>(std::floor(animFrames * position));
    if (currentFrame < 0) {
        currentFrame = 0;
    }
    if (currentFrame >= animFrames) {
        currentFrame = animFrames - 1;
    }
    if (animSyncFlashFrame) {
        flashFrame = currentFrame;
    }
}

void TSprite::ClearHitBox() {
    SetHitBox(0, 0, width, height);
}

void TSprite::StoreOriginalCoords() {
    originalX = x;
    originalY = y;
}

void TSprite::CalcSize() {
    if (!gameImage) {
        return;
    }
    width = gameImage->w;
    height = gameImage->h;
    w2 = static_cast<int>(gameImage->w2);
    h2 = static_cast<int>(gameImage->h2);
    hitBoxWidth = width;
    hitBoxHeight = height;
}

void TSprite::CentreText() {
    x = originalX - static_cast<float>(TextWidth(text)) * scaleX / 2.0f;
    y = originalY - static_cast<float>(TextHeight(text)) * scaleY / 2.0f;
}

int TSprite::CollideSprite(const TSprite& other) {
    float cornerX = x;
    float cornerY = y;
    float otherCornerX = other.x;
    float otherCornerY = other.y;
    if (gameImage && gameImage->midHandled) {
        cornerX -= static_cast<float>(w2);
        cornerY -= static_cast<float>(h2);
        otherCornerX -= static_cast<float>(other.w2);
        otherCornerY -= static_cast<float>(other.h2);
    }
    auto left = static_cast<int>(static_cast<float>(hitBoxX) + cornerX);
    auto top = static_cast<int>(static_cast<float>(hitBoxY) + cornerY);
    auto otherLeft = static_cast<int>(static_cast<float>(other.hitBoxX) + otherCornerX);
    auto otherTop = static_cast<int>(static_cast<float>(other.hitBoxY) + otherCornerY);
    return ccRectsOverlap(left, top, hitBoxWidth, hitBoxHeight, otherLeft, otherTop,
                          other.hitBoxWidth, other.hitBoxHeight);
}

void TSprite::Draw() {
    if (rotation != 0.0f) {
        SetRotation(rotation);
    }
    if (alpha != 1.0f) {
        SetAlpha(alpha);
    }
    if (shadow) {
        shadow->Apply();
        if (alpha != 1.0f) {
            SetAlpha(shadow->alpha * alpha);
        }
        DrawCore(1);
        shadow->Restore();
    }
    DrawCore(0);
    if (rotation != 0.0f) {
        SetRotation(0.0f);
    }
    if (alpha != 1.0f) {
        SetAlpha(1.0f);
    }
}

void TSprite::DrawCore(int shadowPass) {
    float ox = 0.0f;
    float oy = 0.0f;
    if (shadowPass && shadow) {
        ox = shadow->X;
        oy = shadow->Y;
    }
    if (useRendererCamera) {
        renderer->TempScale(scaleX, scaleY);
        if (text.empty()) {
            DrawImagePass(renderer->GetX(x + ox), renderer->GetY(y + oy));
        } else {
            DrawTextPass(shadowPass, true, ox, oy);
        }
    } else {
        SetScale(scaleX, scaleY);
        if (text.empty()) {
            if (gameImage) {
                DrawImage(gameImage->image, x + ox, y + oy, 0);
            }
        } else {
            DrawTextPass(shadowPass, false, ox, oy);
        }
    }
    renderer->RestoreScale();
}

void TSprite::DrawImagePass(float drawX, float drawY) {
    if (gameImage) {
        DrawImage(gameImage->image, drawX, drawY, currentFrame);
    }
    if (flashCounter > 0.0f && flashImage) {
        SetAlpha(flashCounter / static_cast<float>(flashCounterMax));
        DrawImage(flashImage->image, drawX, drawY, flashFrame);
        SetAlpha(1.0f);
    }
}

void TSprite::DrawTextPass(int shadowPass, bool camera, float ox, float oy) {
    if (textFont) {
        SetImageFont(textFont);
    }
    if (!shadowPass && color) {
        color->Apply();
        if (alpha != 1.0f) {
            SetAlpha(alpha);
        }
    }
    CentreText();
    if (camera) {
        DrawText(text, renderer->GetX(x + ox), renderer->GetY(y + oy));
    } else {
        DrawText(text, x + ox, y + oy);
    }
    if (textFont) {
        SetImageFont(nullptr);
    }
    if (!shadowPass && color) {
        color->Restore();
    }
}

void TSprite::InitAnim(int frames, int durationMs, int animDir, int loop) {
    animFrames = frames;
    animCounterMax =
        static_cast<int>(std::floor(static_cast<double>(durationMs) / game->msPerFrame));
    animDirection = animDir;
    animLoop = loop;
    animSyncFlashFrame = 1;
}

int TSprite::Logic() {
    if (flashCounter > 0.0f) {
        flashCounter -= delta;
        if (flashCounter < 0.0f) {
            flashCounter = 0.0f;
        }
    }
    if (lifeCounter > 0.0f) {
        lifeCounter -= delta;
        if (lifeCounter <= 0.0f) {
            lifeCounter = 0.0f;
            return 0;
        }
    }
    if (animDirection == 1) {
        animCounter += delta;
        if (animCounter >= static_cast<float>(animCounterMax)) {
            if (animLoop) {
                animCounter -= static_cast<float>(animCounterMax);
            } else {
                animCounter = static_cast<float>(animCounterMax);
                animDirection = 0;
            }
        }
        CalcAnimFrame();
    } else if (animDirection == -1) {
        animCounter -= delta;
        if (animCounter < 0.0f) {
            if (animLoop) {
                animCounter += static_cast<float>(animCounterMax);
            } else {
                animCounter = 0.0f;
                animDirection = 0;
            }
        }
        CalcAnimFrame();
    }
    return 1;
}

void TSprite::Move() {
    if (gravity != 0.0f) {
        speedY += gravity;
    }
    x += speedX * delta;
    y += speedY * delta;
    originalX += speedX * delta;
    originalY += speedY * delta;
}

void TSprite::StartHitFlash() {
    flashCounter = static_cast<float>(flashCounterMax);
}

void TSprite::SetFlashImage(const TGameImagePtr& image) {
    flashImage = image;
}

void TSprite::SetHitBox(int boxX, int boxY, int boxWidth, int boxHeight) {
    hitBoxX = boxX;
    hitBoxY = boxY;
    hitBoxWidth = boxWidth;
    hitBoxHeight = boxHeight;
}

void TSprite::SetImage(const TGameImagePtr& image) {
    gameImage = image;
    CalcSize();
}

void TSprite::SetScaleParams(float sx, float sy) {
    scaleX = sx;
    scaleY = sy;
}

void TSprite::SetSize(int newWidth, int newHeight) {
    width = newWidth;
    height = newHeight;
    w2 = newWidth / 2;
    h2 = newHeight / 2;
}
