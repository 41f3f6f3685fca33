#pragma once

#include <cstdint>
#include <memory>

#include "platform/TObject.h"
#include "platform/TSound.h"

class TMusicStream;

// A channel a sound plays on. One made with the plain constructor is inert: it
// never plays and ignores every operation. So does a channel once its sound has
// ended and the device has taken its voice back for another sound.
class TChannel : public TObject {
public:
    TChannel();
    TChannel(const TChannel&) = delete;
    TChannel& operator=(const TChannel&) = delete;
    ~TChannel() override;

    // True from the cue until the sound ends or is stopped.
    bool Playing() const;
    // 1.0 full loudness.
    void SetVolume(float volume);
    // Speed factor, 1.0 the sound's own.
    void SetRate(float rate);
    // Starts a cued channel; a playing or stopped one is left as it is.
    void Resume();
    // Silence at once.
    void Stop();

private:
    friend class TAudioDevice;

    // Whether the device may hand this channel's voice to another sound.
    bool Finished(bool stillReferenced) const;
    // stream is set when the sound is streamed onto the voice.
    void Attach(unsigned source, TSoundPtr sound, std::unique_ptr<TMusicStream> stream = nullptr);
    // Lets go of the voice; the channel is inert from now on.
    void Detach();
    unsigned Source() const { return source_; }
    const TSoundPtr& Sound() const { return sound_; }
    // The stream feeding the voice, if the sound is streamed.
    TMusicStream* Stream() const { return stream_.get(); }

    unsigned source_ = 0;
    TSoundPtr sound_;
    std::unique_ptr<TMusicStream> stream_;
};

using TChannelPtr = std::shared_ptr<TChannel>;
