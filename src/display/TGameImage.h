#pragma once

#include <memory>
#include <string>

#include "platform/TImage.h"

// A loaded picture (one cell or a strip of cells) with its name, cell size and
// whether its handle is at its centre.
class TGameImage : public TObject {
public:
    std::string name;
    TImagePtr image;
    int w = 0;
    int h = 0;
    float w2 = 0.0f;
    float h2 = 0.0f;
    int midHandled = 0;
    int tag = 0;

    static std::shared_ptr<TGameImage> Create(const std::string& path, int flags, int mid);
    static std::shared_ptr<TGameImage> CreateAuto(const std::string& path, int cellWidth,
                                                  int cellHeight, int first, int count, int flags,
                                                  int mid);
    static std::shared_ptr<TGameImage> CreateFromImage(const TImagePtr& image,
                                                       const std::string& name, int mid);

    // Bytes of all cells as 32-bit pixels.
    virtual long long CalcRAM();
    // Bytes of the textures, each side padded to a power of two.
    virtual long long CalcVRAM();
    virtual int Draw(float x, float y);
    virtual int GetSize();
    virtual int Load(const std::string& path, int flags, int mid);
    virtual int LoadAnim(const std::string& path, int cellWidth, int cellHeight, int first,
                         int count, int flags, int mid);
    virtual int Precache();
    virtual int SetMidHandle(int mid);
};

using TGameImagePtr = std::shared_ptr<TGameImage>;
