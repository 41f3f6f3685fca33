#pragma once

#include <AL/alc.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/TChannel.h"
#include "platform/TSound.h"

// The sound output: the OpenAL device and context, and the voices (sources)
// the channels play on. Finished voices are taken back and reused, so a game
// that plays sounds for hours never runs out of them.
//
// With no audio device (and always on the headless platform) the mix is
// rendered into memory instead, advanced by the platform clock each time the
// game uses a sound, so channels still start and end when they would have.
// Streamed sounds are topped up before each rendered piece, so the rendered
// mix never depends on how fast their worker threads run.
class TAudioDevice {
public:
    // The device, opened at first use; it lives until the program ends.
    static std::shared_ptr<TAudioDevice> Shared();
    static TAudioDevice& Instance() { return *Shared(); }

    TAudioDevice();
    TAudioDevice(const TAudioDevice&) = delete;
    TAudioDevice& operator=(const TAudioDevice&) = delete;
    ~TAudioDevice();

    bool HasContext() const { return context_ != nullptr; }
    // True when the mix is rendered into memory rather than heard.
    bool RendersToMemory() const { return loopback_; }
    // Frames per second of the rendered mix.
    int MixRate() const;

    // Renders the mix up to the clock's present time (nothing when heard).
    void Update();
    // A new channel with sound ready at its start but not playing; an inert
    // channel when there is no voice for it.
    TChannelPtr Cue(const TSoundPtr& sound);
    // Voices in use, after taking back the finished ones.
    int ActiveChannels();

    // Stops and forgets every channel; the mix goes on from the present time.
    void Reset();
    // Keeps a copy of what is rendered from now on (interleaved stereo).
    void SetCapture(bool on);
    // What was kept since the last call.
    std::vector<float> TakeCapture();

private:
    struct DeviceCloser {
        void operator()(ALCdevice* device) const;
    };
    struct ContextDestroyer {
        void operator()(ALCcontext* context) const;
    };

    bool OpenSpeakers();
    bool OpenLoopback();
    bool MakeContext(const int* attributes);
    unsigned TakeSource();
    // A voice newly made on the device; 0 when it has no more.
    unsigned NewSource();
    void ReclaimFinished();
    // Stops every channel and takes its voice back.
    void ReleaseAll();
    void Render(int64_t ms);
    // Tops up the queue of every streamed sound before a piece is rendered.
    void RefillStreams();
    // Moves every playing voice on by ms without rendering it.
    void SkipAhead(int64_t ms);

    std::unique_ptr<ALCdevice, DeviceCloser> device_;
    std::unique_ptr<ALCcontext, ContextDestroyer> context_;
    bool loopback_ = false;
    void(ALC_APIENTRY* renderSamples_)(ALCdevice*, ALCvoid*, ALCsizei) = nullptr;

    std::vector<TChannelPtr> active_;
    std::vector<unsigned> freeSources_;
    // Voices in use at which the next cue looks for finished ones.
    size_t reclaimAt_ = 0;

    int lastMs_ = 0;
    int64_t frameRemainder_ = 0;
    std::vector<float> scratch_;
    bool capturing_ = false;
    std::vector<float> capture_;
};
