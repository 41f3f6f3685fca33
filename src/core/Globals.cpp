#include "core/Globals.h"

TGamePtr game;
TImageFontPtr mainFont;
float delta = 0.0f;
