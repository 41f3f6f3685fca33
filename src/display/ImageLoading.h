#pragma once

#include <string>

#include "platform/TImage.h"

// Loads a picture; a file that cannot be loaded is fatal ("Error loading image ").
TImagePtr ccLoadBitmap(const std::string& path, int flags);
// Loads cells of a strip or grid; failure is fatal ("Error loading anim image ").
TImagePtr ccLoadAnimBitmap(const std::string& path, int cellWidth, int cellHeight, int first,
                           int count, int flags);
// Makes every cell of image ready for drawing now rather than at its first draw.
int ccCreateFrames(const TImagePtr& image);
// The smallest power of two that is at least n (1 for n of 1 or less).
int ccPow2Size(int n);
