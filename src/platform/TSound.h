#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TAudioData.h"
#include "platform/TObject.h"

class TAudioDevice;

// A loaded sound: its samples in a buffer of the sound device, and whether it
// loops for as long as its channel plays. A streamed sound (music) keeps its
// encoded file instead; each channel that plays it decodes its own copy a
// little at a time.
class TSound : public TObject {
public:
    using Encoded = std::shared_ptr<const std::vector<uint8_t>>;

    // The buffer is freed with the sound.
    static std::shared_ptr<TSound> Create(const TAudioData& audio, bool loop);
    // A sound played from an Ogg Vorbis file already checked to decode.
    static std::shared_ptr<TSound> CreateStreamed(Encoded file, int channels, int rate,
                                                  int64_t frames, bool loop);

    TSound() = default;
    TSound(const TSound&) = delete;
    TSound& operator=(const TSound&) = delete;
    ~TSound() override;

    unsigned Buffer() const { return buffer_; }
    bool Streamed() const { return file_ != nullptr; }
    // The encoded file of a streamed sound, otherwise null.
    const Encoded& File() const { return file_; }
    int Channels() const { return channels_; }
    bool Loops() const { return loop_; }
    int Frames() const { return frames_; }
    int Rate() const { return rate_; }
    // Length at the sound's own speed, in milliseconds.
    double LengthMs() const { return rate_ > 0 ? 1000.0 * frames_ / rate_ : 0.0; }

private:
    unsigned buffer_ = 0;
    bool loop_ = false;
    int frames_ = 0;
    int rate_ = 0;
    int channels_ = 0;
    Encoded file_;
    // The device the buffer belongs to: a sound that outlives it has nothing to free.
    std::weak_ptr<TAudioDevice> device_;
};

using TSoundPtr = std::shared_ptr<TSound>;
