#include "platform/TAudioDevice.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alext.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/Clock.h"
#include "platform/THeadlessBackend.h"
#include "platform/TMusicStream.h"
#include "platform/TPlatform.h"

namespace {

constexpr int MIX_RATE = 44100;
constexpr int MIX_CHANNELS = 2;
// Frames rendered per call into the device.
constexpr int64_t RENDER_CHUNK = 1024;
// Most time rendered at once; voices skip over the rest of a longer gap.
constexpr int64_t MAX_RENDER_MS = 2000;
// Most of the mix a capture keeps.
constexpr size_t MAX_CAPTURE_SAMPLES = size_t{MIX_RATE} * MIX_CHANNELS * 120;
// Voices in use before finished ones are first looked for.
constexpr size_t MIN_RECLAIM_AT = 16;
// What OpenAL Soft calls its stand-in for a missing device.
constexpr const char* NO_OUTPUT_NAME = "No Output";

bool RunningHeadless() {
    return dynamic_cast<THeadlessBackend*>(&TPlatform::Instance().Backend()) != nullptr;
}

void PrepareSource(ALuint source) {
    // Every voice plays straight at the listener, with no distance fading.
    alSourcei(source, AL_SOURCE_RELATIVE, AL_TRUE);
    alSource3f(source, AL_POSITION, 0.0f, 0.0f, 0.0f);
    alSourcef(source, AL_ROLLOFF_FACTOR, 0.0f);
}

void ResetSource(ALuint source, const TSound& sound) {
    alSourcei(source, AL_BUFFER, static_cast<ALint>(sound.Buffer()));
    // A streamed sound loops by queueing its start again, not on the voice.
    alSourcei(source, AL_LOOPING, sound.Loops() && !sound.Streamed() ? AL_TRUE : AL_FALSE);
    alSourcef(source, AL_GAIN, 1.0f);
    alSourcef(source, AL_PITCH, 1.0f);
    alSourceRewind(source);
}

} // namespace

void TAudioDevice::DeviceCloser::operator()(ALCdevice* device) const {
    alcCloseDevice(device);
}

void TAudioDevice::ContextDestroyer::operator()(ALCcontext* context) const {
    alcMakeContextCurrent(nullptr);
    alcDestroyContext(context);
}

std::shared_ptr<TAudioDevice> TAudioDevice::Shared() {
    static std::shared_ptr<TAudioDevice> device = std::make_shared<TAudioDevice>();
    return device;
}

TAudioDevice::TAudioDevice() {
    if (RunningHeadless() || !OpenSpeakers()) {
        OpenLoopback();
    }
    if (context_) {
        alDistanceModel(AL_NONE);
    }
    lastMs_ = MilliSecs();
}

TAudioDevice::~TAudioDevice() {
    ReleaseAll();
    if (context_ && !freeSources_.empty()) {
        alDeleteSources(static_cast<ALsizei>(freeSources_.size()), freeSources_.data());
    }
}

bool TAudioDevice::OpenSpeakers() {
    device_.reset(alcOpenDevice(nullptr));
    if (!device_) {
        return false;
    }
    const ALCchar* name = alcGetString(device_.get(), ALC_DEVICE_SPECIFIER);
    if (name && std::string(name) == NO_OUTPUT_NAME) {
        device_.reset();
        return false;
    }
    return MakeContext(nullptr);
}

bool TAudioDevice::OpenLoopback() {
    if (!alcIsExtensionPresent(nullptr, "ALC_SOFT_loopback")) {
        return false;
    }
    auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
        alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
    renderSamples_ = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
        alcGetProcAddress(nullptr, "alcRenderSamplesSOFT"));
    if (!openLoopback || !renderSamples_) {
        return false;
    }
    device_.reset(openLoopback(nullptr));
    if (!device_) {
        return false;
    }
    const int attributes[] = {ALC_FORMAT_CHANNELS_SOFT,
                              ALC_STEREO_SOFT,
                              ALC_FORMAT_TYPE_SOFT,
                              ALC_FLOAT_SOFT,
                              ALC_FREQUENCY,
                              MIX_RATE,
                              ALC_HRTF_SOFT,
                              ALC_FALSE,
                              ALC_OUTPUT_LIMITER_SOFT,
                              ALC_FALSE,
                              0};
    loopback_ = MakeContext(attributes);
    if (!loopback_) {
        device_.reset();
    }
    scratch_.resize(static_cast<size_t>(RENDER_CHUNK) * MIX_CHANNELS);
    return loopback_;
}

bool TAudioDevice::MakeContext(const int* attributes) {
    context_.reset(alcCreateContext(device_.get(), attributes));
    if (!context_ || !alcMakeContextCurrent(context_.get())) {
        context_.reset();
        return false;
    }
    return true;
}

int TAudioDevice::MixRate() const {
    return MIX_RATE;
}

void TAudioDevice::Update() {
    if (!loopback_) {
        return;
    }
    const int now = MilliSecs();
    // Unsigned difference: a wrapping clock still gives the true gap, a clock
    // set back gives a negative one and nothing is rendered.
    const int elapsed =
        static_cast<int>(static_cast<unsigned>(now) - static_cast<unsigned>(lastMs_));
    lastMs_ = now;
    if (elapsed <= 0) {
        return;
    }
    if (elapsed > MAX_RENDER_MS) {
        SkipAhead(elapsed - MAX_RENDER_MS);
    }
    Render(std::min<int64_t>(elapsed, MAX_RENDER_MS));
}

void TAudioDevice::Render(int64_t ms) {
    frameRemainder_ += ms * MIX_RATE;
    int64_t frames = frameRemainder_ / 1000;
    frameRemainder_ %= 1000;
    while (frames > 0) {
        const int64_t count = std::min(frames, RENDER_CHUNK);
        RefillStreams();
        renderSamples_(device_.get(), scratch_.data(), static_cast<int>(count));
        frames -= count;
        if (capturing_) {
            const size_t samples = static_cast<size_t>(count) * MIX_CHANNELS;
            const size_t room =
                MAX_CAPTURE_SAMPLES - std::min(MAX_CAPTURE_SAMPLES, capture_.size());
            capture_.insert(capture_.end(), scratch_.begin(),
                            scratch_.begin() +
                                static_cast<std::ptrdiff_t>(std::min(samples, room)));
        }
    }
}

void TAudioDevice::RefillStreams() {
    for (const auto& channel : active_) {
        if (TMusicStream* stream = channel->Stream()) {
            stream->Refill();
        }
    }
}

void TAudioDevice::SkipAhead(int64_t ms) {
    for (const auto& channel : active_) {
        if (TMusicStream* stream = channel->Stream()) {
            stream->SkipAhead(ms);
            continue;
        }
        const ALuint source = channel->Source();
        ALint state = AL_STOPPED;
        alGetSourcei(source, AL_SOURCE_STATE, &state);
        if (state != AL_PLAYING) {
            continue;
        }
        const TSound& sound = *channel->Sound();
        ALint offset = 0;
        ALfloat pitch = 1.0f;
        alGetSourcei(source, AL_SAMPLE_OFFSET, &offset);
        alGetSourcef(source, AL_PITCH, &pitch);
        const auto frames = static_cast<int64_t>(sound.Frames());
        const auto moved =
            static_cast<int64_t>(static_cast<double>(ms) * sound.Rate() * pitch / 1000.0);
        int64_t target = offset + moved;
        if (target >= frames && !sound.Loops()) {
            alSourceStop(source);
            continue;
        }
        alSourcei(source, AL_SAMPLE_OFFSET, static_cast<ALint>(frames > 0 ? target % frames : 0));
    }
}

TChannelPtr TAudioDevice::Cue(const TSoundPtr& sound) {
    auto channel = std::make_shared<TChannel>();
    if (!sound || !context_ || (sound->Buffer() == 0 && !sound->Streamed())) {
        return channel;
    }
    const unsigned source = TakeSource();
    if (source == 0) {
        return channel;
    }
    ResetSource(source, *sound);
    std::unique_ptr<TMusicStream> stream;
    if (sound->Streamed()) {
        stream = TMusicStream::Start(source, sound);
        if (!stream) {
            freeSources_.push_back(source);
            return channel;
        }
    }
    channel->Attach(source, sound, std::move(stream));
    active_.push_back(channel);
    return channel;
}

unsigned TAudioDevice::TakeSource() {
    // Looking over every voice at each cue would cost a scan per sound; doing
    // it each time the voices in use double keeps the cost flat.
    if (freeSources_.empty() && active_.size() >= reclaimAt_) {
        ReclaimFinished();
    }
    if (freeSources_.empty()) {
        if (const unsigned source = NewSource()) {
            return source;
        }
        // The device has no more voices: only finished ones are left to take.
        ReclaimFinished();
        if (freeSources_.empty()) {
            return 0;
        }
    }
    const unsigned source = freeSources_.back();
    freeSources_.pop_back();
    return source;
}

unsigned TAudioDevice::NewSource() {
    alGetError();
    ALuint source = 0;
    alGenSources(1, &source);
    if (alGetError() != AL_NO_ERROR) {
        return 0;
    }
    PrepareSource(source);
    return source;
}

void TAudioDevice::ReclaimFinished() {
    auto finished = [this](const TChannelPtr& channel) {
        // The list's own reference does not count as someone holding the channel.
        if (!channel->Finished(channel.use_count() > 1)) {
            return false;
        }
        freeSources_.push_back(channel->Source());
        channel->Detach();
        return true;
    };
    active_.erase(std::remove_if(active_.begin(), active_.end(), finished), active_.end());
    reclaimAt_ = std::max(MIN_RECLAIM_AT, 2 * active_.size());
}

int TAudioDevice::ActiveChannels() {
    ReclaimFinished();
    return static_cast<int>(active_.size());
}

void TAudioDevice::ReleaseAll() {
    for (const auto& channel : active_) {
        freeSources_.push_back(channel->Source());
        channel->Detach();
    }
    active_.clear();
}

void TAudioDevice::Reset() {
    ReleaseAll();
    lastMs_ = MilliSecs();
    frameRemainder_ = 0;
    capture_.clear();
}

void TAudioDevice::SetCapture(bool on) {
    capturing_ = on;
    if (!on) {
        capture_.clear();
    }
}

std::vector<float> TAudioDevice::TakeCapture() {
    std::vector<float> taken;
    taken.swap(capture_);
    return taken;
}
