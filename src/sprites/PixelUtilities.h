#pragma once

#include <string>

#include "platform/TImage.h"
#include "platform/TPixmap.h"

// Pixel values are packed 0xAARRGGBB, alpha in the top byte.
int ARGB_Alpha(int pixel);
int ARGB_Red(int pixel);
int ARGB_Green(int pixel);
int ARGB_Blue(int pixel);
// The parts are not masked: a part above 255 carries into the next one up.
int ARGB_Color(int alpha, int red, int green, int blue);

// A new image with the same size, cells, flags and handle, and its own copy of
// every cell's pixels. An empty pointer for an empty image.
TImagePtr ccCopyImage(const TImagePtr& image);

// Copies a width by height block of cell 0 of source, from (sourceX, sourceY),
// to (destX, destY) in cell 0 of dest, a row at a time. The block is cut to
// what lies inside both images; nothing outside either is read or written.
void ccCopyImageRect(const TImagePtr& source, int sourceX, int sourceY, int width, int height,
                     const TImagePtr& dest, int destX, int destY);
// The same block copy pixel by pixel, mirrored as flip says: 0 straight, 1 left
// to right, 2 upside down, 3 both. Any other flip copies nothing.
void ccCopyImageToImage(const TImagePtr& source, int sourceX, int sourceY, int width, int height,
                        const TImagePtr& dest, int destX, int destY, int flip);

// Draws the part (rectX, rectY, rectWidth, rectHeight) of a cell unscaled at
// (x, y), with the image's handle.
void ccDrawImageArea(const TImagePtr& image, float x, float y, float rectX, float rectY,
                     float rectWidth, float rectHeight, int frame);
// Draws the part of cell 0 at (x, y) through a picture made of just that part,
// built anew on each call. Pixels of the part that lie outside the cell are
// transparent.
void ccDrawImageRect(const TImagePtr& image, int x, int y, int rectX, int rectY, int rectWidth,
                     int rectHeight);

// Lays a cell of image over pixmap with its top-left at (x, y), its alpha
// scaled by alphaFactor and its colour by colourFactor. Ends the program with
// "image doesnt exist" when there is no image.
void ccDrawOnPixmap(const TImagePtr& image, int frame, const TPixmapPtr& pixmap, int x, int y,
                    float alphaFactor, float colourFactor);

// Text in the current image font, each character pushed spacing pixels further
// right than the one before it (spacing times its index, along the screen's x).
void ccDrawTextSpaced(const std::string& text, float x, float y, int spacing);
// The same with each character's x rounded down to a whole pixel.
void ccDrawTextSpacedRounded(const std::string& text, float x, float y, int spacing);
