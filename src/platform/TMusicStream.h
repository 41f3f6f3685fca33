#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/TSound.h"
#include "platform/TVorbisReader.h"

// A streamed sound playing on one voice. Its file is decoded a buffer at a
// time into a short queue of buffers on the voice; a worker thread of its own
// keeps the queue topped up, and the in-memory mix tops it up too before it
// renders each piece, so what is rendered never waits on the thread. A looping
// sound goes back to its start and goes on queueing, so the loop has no seam.
// Damage in the file that decoding cannot step over ends the sound there.
class TMusicStream {
public:
    // Frames decoded into each buffer.
    static constexpr long BUFFER_FRAMES = 8192;
    // Buffers in the voice's queue.
    static constexpr int BUFFER_COUNT = 4;

    // Queues the first buffers on source (stopped, with no buffer of its own)
    // and starts the worker. Null when the sound cannot be streamed.
    static std::unique_ptr<TMusicStream> Start(unsigned source, TSoundPtr sound);

    TMusicStream(const TMusicStream&) = delete;
    TMusicStream& operator=(const TMusicStream&) = delete;
    // Joins the worker, then stops the voice and frees the buffers.
    ~TMusicStream();

    // True from the cue until the sound ends or is stopped.
    bool Playing();
    // Whether the device may hand the voice to another sound.
    bool Finished(bool stillReferenced);
    // Starts a cued stream; a playing or stopped one is left as it is.
    void Resume();
    // Silence at once; the stream never plays again.
    void Stop();
    // Takes back the buffers already heard and fills them with what follows.
    void Refill();
    // Moves a playing stream on by ms without rendering that part.
    void SkipAhead(int64_t ms);

private:
    TMusicStream(unsigned source, TSoundPtr sound);

    // Fills up to most free buffers and queues them; the decoder's lock must be held.
    void TopUp(int most = BUFFER_COUNT);
    // Decodes up to one buffer into scratch_; ended tells the sound has no more.
    long Decode(bool& ended);
    // The remaining calls need the state's lock.
    void TakeBackPlayed();
    void Queue(unsigned buffer, long frames);
    // Plays a voice that ran dry again, once a buffer is queued on it.
    void RestartIfStarved();
    int SourceState() const;
    void Run();

    const unsigned source_;
    const TSoundPtr sound_;
    int format_ = 0;
    std::array<unsigned, BUFFER_COUNT> buffers_{};
    bool haveBuffers_ = false;

    // Held while decoding; guards the reader and the free buffers.
    std::mutex decodeMutex_;
    TVorbisReader reader_;
    std::vector<int16_t> scratch_;
    std::vector<unsigned> free_;
    // Whether the present pass through the file gave any sound yet.
    bool passHeardAnything_ = false;

    // Guards the voice and the flags below.
    std::mutex stateMutex_;
    bool started_ = false;
    bool stopped_ = false;
    // The decoder has given all it will; what is queued plays out.
    bool exhausted_ = false;
    std::array<long, BUFFER_COUNT> framesIn_{};
    int64_t queuedFrames_ = 0;

    std::mutex wakeMutex_;
    std::condition_variable wake_;
    bool quit_ = false;
    std::thread worker_;
};
