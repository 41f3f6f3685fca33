#include "platform/TSound.h"

#include <AL/al.h>

#include <algorithm>
#include <limits>

#include "platform/TAudioDevice.h"

std::shared_ptr<TSound> TSound::Create(const TAudioData& audio, bool loop) {
    auto sound = std::make_shared<TSound>();
    sound->loop_ = loop;
    sound->frames_ = audio.Frames();
    sound->rate_ = audio.rate;
    sound->channels_ = audio.channels;
    auto device = TAudioDevice::Shared();
    if (!device->HasContext()) {
        // No sound output at all: the sound exists but its channels stay silent.
        return sound;
    }
    sound->device_ = device;
    alGetError();
    ALuint buffer = 0;
    alGenBuffers(1, &buffer);
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    sound->buffer_ = buffer;
    const ALenum format = audio.channels == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    alBufferData(buffer, format, audio.samples.data(),
                 static_cast<ALsizei>(audio.samples.size() * sizeof(int16_t)), audio.rate);
    if (alGetError() != AL_NO_ERROR) {
        return nullptr;
    }
    return sound;
}

std::shared_ptr<TSound> TSound::CreateStreamed(Encoded file, int channels, int rate, int64_t frames,
                                               bool loop) {
    auto sound = std::make_shared<TSound>();
    sound->loop_ = loop;
    sound->frames_ = static_cast<int>(std::min<int64_t>(frames, std::numeric_limits<int>::max()));
    sound->rate_ = rate;
    sound->channels_ = channels;
    sound->file_ = std::move(file);
    return sound;
}

TSound::~TSound() {
    if (buffer_ != 0 && !device_.expired()) {
        alDeleteBuffers(1, &buffer_);
    }
}
