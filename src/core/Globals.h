#pragma once

#include "core/TGame.h"
#include "display/TImageBank.h"
#include "display/TRenderer.h"
#include "platform/TImageFont.h"

// The objects that live for the whole run.
extern TGamePtr game;
extern TRendererPtr renderer;
extern TImageBankPtr imageBank;
extern TImageFontPtr mainFont;
// The time factor of the logic step in progress: 1.0 in whole steps, the
// leftover fraction in each frame's last step.
extern float delta;
