#pragma once

// Everything the game asks of the window, drawing, input, clock, random,
// text and message layer.
#include "platform/Clock.h"
#include "platform/Exits.h"
#include "platform/Fonts.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Input.h"
#include "platform/MathDegrees.h"
#include "platform/Random.h"
#include "platform/Sound.h"
#include "platform/Strings.h"
#include "platform/TList.h"
#include "platform/TMap.h"
