#include "display/TImageBank.h"

#include "common/Common.h"
#include "display/ImageLoading.h"
#include "platform/Strings.h"

namespace {
constexpr long long BYTES_PER_KILOBYTE = 1024;
}

std::shared_ptr<TImageBank> TImageBank::Create(const std::string& folder) {
    auto bank = std::make_shared<TImageBank>();
    bank->SetPath(folder);
    return bank;
}

long long TImageBank::CalcRAM() {
    long long total = 0;
    for (const auto& value : *this) {
        if (auto image = As<TGameImage>(value)) {
            total += image->CalcRAM();
        }
    }
    return total / BYTES_PER_KILOBYTE;
}

long long TImageBank::CalcVRAM() {
    long long total = 0;
    for (const auto& value : *this) {
        if (auto image = As<TGameImage>(value)) {
            total += image->CalcVRAM();
        }
    }
    return total / BYTES_PER_KILOBYTE;
}

TGameImagePtr TImageBank::Find(const std::string& name) {
    auto key = Upper(name);
    auto image = As<TGameImage>(ValueForKey(key));
    if (!image) {
        ccRunTimeError("Image '" + key + "' was not found in the ImageBank", 1);
    }
    return image;
}

TImagePtr TImageBank::FindTImage(const std::string& name) {
    auto image = As<TGameImage>(ValueForKey(Upper(name)));
    return image ? image->image : nullptr;
}

int TImageBank::Load(const std::string& file, const std::string& name, int flags, int mid) {
    auto image = std::make_shared<TGameImage>();
    std::string ext = "." + ExtractExt(file);
    std::string base = StripExt(file);
    if (ext == ".") {
        ext = defaultExt;
    }
    image->Load(path + base + ext, flags, mid);
    if (!name.empty()) {
        image->name = Upper(name);
    }
    Insert(image->name, image);
    return 0;
}

int TImageBank::LoadAnim(const std::string& file, int cellWidth, int cellHeight, int first,
                         int count, int flags, int mid) {
    auto image = std::make_shared<TGameImage>();
    image->LoadAnim(path + file + defaultExt, cellWidth, cellHeight, first, count, flags, mid);
    Insert(image->name, image);
    return 0;
}

int TImageBank::LoadNoMidHandle(const std::string& file, const std::string& name, int flags) {
    return Load(file, name, flags, 0);
}

int TImageBank::Precache() {
    for (const auto& value : *this) {
        if (auto image = As<TGameImage>(value)) {
            image->Precache();
        }
    }
    return 0;
}

int TImageBank::SetPath(const std::string& folder) {
    path = ccAddSlash(folder);
    return 0;
}
