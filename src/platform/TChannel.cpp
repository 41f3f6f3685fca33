#include "platform/TChannel.h"

#include <AL/al.h>

#include <algorithm>

#include "platform/TMusicStream.h"

namespace {
int SourceState(unsigned source) {
    ALint state = AL_STOPPED;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    return state;
}
} // namespace

TChannel::TChannel() = default;

TChannel::~TChannel() = default;

bool TChannel::Playing() const {
    if (stream_) {
        return stream_->Playing();
    }
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
    if (stream_) {
        stream_->Resume();
        return;
    }
    if (source_ == 0) {
        return;
    }
    const int state = SourceState(source_);
    if (state == AL_INITIAL || state == AL_PAUSED) {
        alSourcePlay(source_);
    }
}

void TChannel::Stop() {
    if (stream_) {
        stream_->Stop();
    } else if (source_ != 0) {
        alSourceStop(source_);
    }
}

bool TChannel::Finished(bool stillReferenced) const {
    if (source_ == 0) {
        return true;
    }
    if (stream_) {
        return stream_->Finished(stillReferenced);
    }
    const int state = SourceState(source_);
    // A cued channel nobody holds any more can never be resumed.
    return state == AL_STOPPED || (!stillReferenced && state != AL_PLAYING);
}

void TChannel::Attach(unsigned source, TSoundPtr sound, std::unique_ptr<TMusicStream> stream) {
    source_ = source;
    sound_ = std::move(sound);
    stream_ = std::move(stream);
}

void TChannel::Detach() {
    // The stream's worker is joined before the voice is let go.
    stream_.reset();
    if (source_ != 0) {
        alSourceStop(source_);
        alSourcei(source_, AL_BUFFER, 0);
    }
    source_ = 0;
    sound_.reset();
}
