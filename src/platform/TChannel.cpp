#include "platform/TChannel.h"

#include <AL/al.h>

#include <algorithm>

namespace {
int SourceState(unsigned source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}
} // namespace

bool TChannel::Playing() const {
    return source_ != 0 && SourceState(source_) != AL_STOPPED;
}

void TChannel::SetVolume(float volume) {
    if (source_ != 0) {
        alSourcef(source_, AL_GAIN, std::max(volume, 0.0f));
    }
}

void TChannel::SetRate(float rate) {
    if (source_ != 0 && rate > 0.0f) {
        alSourcef(source_, AL_PITCH, rate);
    }
}

void TChannel::Resume() {
    if (source_ == 0) {
        return;
    }
    const int state = SourceState(source_);
    if (state == AL_INITIAL || state == AL_PAUSED) {
        alSourcePlay(source_);
    }
}

void TChannel::Stop() {
    if (source_ != 0) {
        alSourceStop(source_);
    }
}

bool TChannel::Finished(bool stillReferenced) const {
    if (source_ == 0) {
        return true;
    }
    const int state = SourceState(source_);
    // A cued channel nobody holds any more can never be resumed.
    return state == AL_STOPPED || (!stillReferenced && state != AL_PLAYING);
}

void TChannel::Attach(unsigned source, TSoundPtr sound) {
    source_ = source;
    sound_ = std::move(sound);
}

void TChannel::Detach() {
    if (source_ != 0) {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
    }
    source_ = 0;
    sound_.reset();
}
