#include "display/TGameImage.h"

#include "display/ImageLoading.h"
#include "platform/Graphics.h"
#include "platform/Images.h"
#include "platform/Strings.h"

std::shared_ptr<TGameImage> TGameImage::Create(const std::string& path, int flags, int mid) {
    auto created = std::make_shared<TGameImage>();
    created->Load(path, flags, mid);
    return created;
}

std::shared_ptr<TGameImage> TGameImage::CreateAuto(const std::string& path, int cellWidth,
                                                   int cellHeight, int first, int count, int flags,
                                                   int mid) {
    auto created = std::make_shared<TGameImage>();
    if (count > 1) {
        created->LoadAnim(path, cellWidth, cellHeight, first, count, flags, mid);
    } else {
        created->Load(path, flags, mid);
    }
    return created;
}

std::shared_ptr<TGameImage> TGameImage::CreateFromImage(const TImagePtr& image,
                                                        const std::string& name, int mid) {
    auto created = std::make_shared<TGameImage>();
    created->name = name;
    created->image = image;
    created->GetSize();
    created->SetMidHandle(mid);
    return created;
}

long long TGameImage::CalcRAM() {
    return static_cast<long long>(ImageWidth(image)) * 4 * ImageHeight(image) * CountFrames(image);
}

long long TGameImage::CalcVRAM() {
    return static_cast<long long>(ccPow2Size(ImageWidth(image))) * 4 *
           ccPow2Size(ImageHeight(image)) * CountFrames(image);
}

int TGameImage::Draw(float x, float y) {
    return DrawImage(image, x, y, 0);
}

int TGameImage::GetSize() {
    if (image) {
        w = ImageWidth(image);
        h = ImageHeight(image);
        w2 = static_cast<float>(w / 2);
        h2 = static_cast<float>(h / 2);
    }
    return 0;
}

int TGameImage::Load(const std::string& path, int flags, int mid) {
    name = Upper(StripAll(path));
    image = ccLoadBitmap(path, flags);
    GetSize();
    SetMidHandle(mid);
    return 0;
}

int TGameImage::LoadAnim(const std::string& path, int cellWidth, int cellHeight, int first,
                         int count, int flags, int mid) {
    name = Upper(StripAll(path));
    image = ccLoadAnimBitmap(path, cellWidth, cellHeight, first, count, flags);
    GetSize();
    SetMidHandle(mid);
    return 0;
}

int TGameImage::Precache() {
    return ccCreateFrames(image);
}

int TGameImage::SetMidHandle(int mid) {
    if (mid) {
        MidHandleImage(image);
        midHandled = 1;
    } else {
        SetImageHandle(image, 0.0f, 0.0f);
        midHandled = 0;
    }
    return 0;
}
