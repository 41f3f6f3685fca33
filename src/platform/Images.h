#pragma once

#include <string>
#include <vector>

#include "platform/TImage.h"

// Image flags. -1 sets them all.
namespace ImageFlag {
// Scaled drawing is filtered (linear) instead of taking the nearest texel.
constexpr int FILTERED = 1;
// Pure black (0, 0, 0) pixels are fully transparent.
constexpr int MASKED = 4;
} // namespace ImageFlag

// Loads a PNG picture as one cell. Flags -1: pure black is transparent and
// scaled drawing is filtered. An empty pointer when the file cannot be loaded.
TImagePtr LoadImage(const std::string& path, int flags);
// Loads count cells of cellWidth by cellHeight, read left to right and top to
// bottom from a strip or grid, starting at cell first.
TImagePtr LoadAnimImage(const std::string& path, int cellWidth, int cellHeight, int first,
                        int count, int flags);
// Starts decoding these picture files on a worker thread, in order, so the
// loads that follow find them ready; StopPreloadingImages drops what was not
// loaded.
void PreloadImages(const std::vector<std::string>& paths);
void StopPreloadingImages();
TImagePtr CreateImage(int width, int height, int cells = 1, int flags = -1);

// Size of one cell.
int ImageWidth(const TImagePtr& image);
int ImageHeight(const TImagePtr& image);
int CountFrames(const TImagePtr& image);
int MidHandleImage(const TImagePtr& image);
int SetImageHandle(const TImagePtr& image, float x, float y);

// The pixels of a cell for reading and writing; UnlockImage marks them changed.
TPixmapPtr LockImage(const TImagePtr& image, int cell = 0);
int UnlockImage(const TImagePtr& image, int cell = 0);

// Makes a cell ready for drawing now (its texture made) rather than at its first draw.
int PrepareImageCell(const TImagePtr& image, int cell);
