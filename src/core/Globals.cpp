#include "core/Globals.h"

TGamePtr game;
TRendererPtr renderer;
TImageBankPtr imageBank;
TImageFontPtr mainFont;
float delta = 0.0f;
