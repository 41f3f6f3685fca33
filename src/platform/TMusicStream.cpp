#include "platform/TMusicStream.h"

#include <AL/al.h>

#include <algorithm>
#include <chrono>

namespace {
// How often the worker looks at the queue; a buffer lasts far longer.
constexpr auto REFILL_PERIOD = std::chrono::milliseconds(20);
// Most times a looping sound goes back to its start while filling one buffer,
// so a sound a few samples long cannot keep the decoder busy for long.
constexpr int MAX_REWINDS_PER_BUFFER = 8;
// Buffers queued when the stream is cued.
constexpr int FIRST_BUFFERS = 2;
} // namespace

std::unique_ptr<TMusicStream> TMusicStream::Start(unsigned source, TSoundPtr sound) {
    if (!sound || !sound->Streamed()) {
        return nullptr;
    }
    std::unique_ptr<TMusicStream> stream(new TMusicStream(source, std::move(sound)));
    if (!stream->haveBuffers_ || !stream->reader_.Usable()) {
        return nullptr;
    }
    {
        // Enough to start on; the worker queues the rest straight away.
        std::lock_guard decode(stream->decodeMutex_);
        stream->TopUp(FIRST_BUFFERS);
    }
    stream->worker_ = std::thread([raw = stream.get()] { raw->Run(); });
    return stream;
}

TMusicStream::TMusicStream(unsigned source, TSoundPtr sound)
    : source_(source), sound_(std::move(sound)), reader_(*sound_->File()) {
    if (!reader_.Usable()) {
        return;
    }
    format_ = reader_.Channels() == 2 ? AL_FORMAT_STEREO16 : AL_FORMAT_MONO16;
    scratch_.resize(static_cast<size_t>(BUFFER_FRAMES) * static_cast<size_t>(reader_.Channels()));
    alGetError();
    alGenBuffers(BUFFER_COUNT, buffers_.data());
    haveBuffers_ = alGetError() == AL_NO_ERROR;
    if (haveBuffers_) {
        free_.assign(buffers_.rbegin(), buffers_.rend());
    }
}

TMusicStream::~TMusicStream() {
    if (worker_.joinable()) {
        {
            std::lock_guard lock(wakeMutex_);
            quit_ = true;
        }
        wake_.notify_all();
        worker_.join();
    }
    alSourceStop(source_);
    alSourcei(source_, AL_BUFFER, 0);
    if (haveBuffers_) {
        alDeleteBuffers(BUFFER_COUNT, buffers_.data());
    }
}

int TMusicStream::SourceState() const {
    ALint state = AL_STOPPED;
    alGetSourcei(source_, AL_SOURCE_STATE, &state);
    return state;
}

bool TMusicStream::Playing() {
    std::lock_guard lock(stateMutex_);
    if (stopped_) {
        return false;
    }
    // A voice that ran dry before its refill still has the rest to play.
    return SourceState() != AL_STOPPED || !exhausted_;
}

bool TMusicStream::Finished(bool stillReferenced) {
    std::lock_guard lock(stateMutex_);
    if (stopped_) {
        return true;
    }
    const int state = SourceState();
    if (state == AL_STOPPED) {
        return exhausted_;
    }
    // A cued stream nobody holds can never be resumed.
    return !stillReferenced && state != AL_PLAYING;
}

void TMusicStream::Resume() {
    std::lock_guard lock(stateMutex_);
    if (stopped_) {
        return;
    }
    const int state = SourceState();
    if (state == AL_INITIAL || state == AL_PAUSED) {
        alSourcePlay(source_);
        started_ = true;
    }
}

void TMusicStream::Stop() {
    std::lock_guard lock(stateMutex_);
    stopped_ = true;
    alSourceStop(source_);
}

void TMusicStream::Refill() {
    std::lock_guard decode(decodeMutex_);
    TopUp();
}

void TMusicStream::TopUp(int most) {
    for (int filled = 0; filled < most; ++filled) {
        unsigned buffer = 0;
        {
            std::lock_guard lock(stateMutex_);
            if (stopped_) {
                return;
            }
            TakeBackPlayed();
            if (exhausted_ || free_.empty()) {
                return;
            }
            buffer = free_.back();
        }
        // Decoding is the slow part: the voice stays free to stop meanwhile.
        bool ended = false;
        const long frames = Decode(ended);
        std::lock_guard lock(stateMutex_);
        if (stopped_) {
            return;
        }
        if (frames > 0) {
            Queue(buffer, frames);
            free_.pop_back();
            RestartIfStarved();
        }
        exhausted_ = ended || frames == 0;
    }
}

long TMusicStream::Decode(bool& ended) {
    const int channels = reader_.Channels();
    long at = 0;
    int rewinds = 0;
    while (at < BUFFER_FRAMES) {
        const long got = reader_.Read(scratch_.data() + at * channels, BUFFER_FRAMES - at);
        if (got > 0) {
            at += got;
            passHeardAnything_ = true;
            continue;
        }
        // A pass that gave no sound would only give none again.
        if (got == 0 && sound_->Loops() && passHeardAnything_) {
            if (rewinds == MAX_REWINDS_PER_BUFFER) {
                break;
            }
            if (reader_.Seek(0)) {
                passHeardAnything_ = false;
                ++rewinds;
                continue;
            }
        }
        ended = true;
        break;
    }
    return at;
}

void TMusicStream::TakeBackPlayed() {
    ALint processed = 0;
    alGetSourcei(source_, AL_BUFFERS_PROCESSED, &processed);
    for (; processed > 0; --processed) {
        ALuint buffer = 0;
        alSourceUnqueueBuffers(source_, 1, &buffer);
        const auto slot = std::find(buffers_.begin(), buffers_.end(), buffer) - buffers_.begin();
        if (slot < BUFFER_COUNT) {
            queuedFrames_ -= framesIn_[static_cast<size_t>(slot)];
            framesIn_[static_cast<size_t>(slot)] = 0;
            free_.push_back(buffer);
        }
    }
}

void TMusicStream::Queue(unsigned buffer, long frames) {
    alBufferData(buffer, format_, scratch_.data(),
                 static_cast<ALsizei>(frames * reader_.Channels() * sizeof(int16_t)),
                 reader_.Rate());
    alSourceQueueBuffers(source_, 1, &buffer);
    const auto slot = std::find(buffers_.begin(), buffers_.end(), buffer) - buffers_.begin();
    framesIn_[static_cast<size_t>(slot)] = frames;
    queuedFrames_ += frames;
}

void TMusicStream::RestartIfStarved() {
    // A stopped voice counts every buffer as heard, even one queued after it
    // stopped: it has to play again before the next buffer is looked at.
    if (started_ && !stopped_ && SourceState() == AL_STOPPED) {
        alSourcePlay(source_);
    }
}

void TMusicStream::SkipAhead(int64_t ms) {
    std::lock_guard decode(decodeMutex_);
    {
        std::lock_guard lock(stateMutex_);
        if (stopped_ || SourceState() != AL_PLAYING) {
            return;
        }
        ALint offset = 0;
        ALfloat pitch = 1.0f;
        alGetSourcei(source_, AL_SAMPLE_OFFSET, &offset);
        alGetSourcef(source_, AL_PITCH, &pitch);
        const int64_t total = sound_->Frames();
        // Where the voice is: the decoder's place less what waits in the queue.
        const int64_t waiting = std::max<int64_t>(0, queuedFrames_ - offset);
        int64_t target =
            reader_.Position() - waiting +
            static_cast<int64_t>(static_cast<double>(ms) * reader_.Rate() * pitch / 1000.0);
        if (sound_->Loops() && total > 0) {
            target = ((target % total) + total) % total;
        } else if (target >= total) {
            alSourceStop(source_);
            exhausted_ = true;
            return;
        }
        alSourceStop(source_);
        TakeBackPlayed();
        if (!reader_.Seek(std::max<int64_t>(target, 0))) {
            exhausted_ = true;
            return;
        }
        passHeardAnything_ = true;
        exhausted_ = false;
    }
    // The refill plays the voice again as soon as its first buffer is queued.
    TopUp();
}

void TMusicStream::Run() {
    std::unique_lock lock(wakeMutex_);
    while (!quit_) {
        lock.unlock();
        Refill();
        lock.lock();
        wake_.wait_for(lock, REFILL_PERIOD, [this] { return quit_; });
    }
}
