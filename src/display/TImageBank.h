#pragma once

#include <memory>
#include <string>

#include "display/TGameImage.h"
#include "platform/TMap.h"

// Every image the sprites draw, loaded once and found by name (without
// regard to case: keys are upper-cased on the way in and out).
class TImageBank : public TMap {
public:
    std::string path;
    std::string defaultExt = ".png";

    static std::shared_ptr<TImageBank> Create(const std::string& folder);

    // Kilobytes of all images as 32-bit pixels.
    virtual long long CalcRAM();
    // Kilobytes of their power-of-two textures.
    virtual long long CalcVRAM();
    // The image under name; a name the bank does not hold is fatal.
    virtual TGameImagePtr Find(const std::string& name);
    // The picture under name, or empty when there is none.
    virtual TImagePtr FindTImage(const std::string& name);
    virtual int Load(const std::string& file, const std::string& name, int flags, int mid);
    virtual int LoadAnim(const std::string& file, int cellWidth, int cellHeight, int first,
                         int count, int flags, int mid);
    virtual int LoadNoMidHandle(const std::string& file, const std::string& name, int flags);
    virtual int Precache();
    virtual int SetPath(const std::string& folder);
};

using TImageBankPtr = std::shared_ptr<TImageBank>;
