#pragma once

#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <span>

// An Ogg Vorbis stream in memory, decoded a piece at a time into interleaved
// signed 16-bit samples. The bytes must outlive the reader.
class TVorbisReader {
public:
    explicit TVorbisReader(std::span<const uint8_t> bytes);
    ~TVorbisReader();
    TVorbisReader(const TVorbisReader&) = delete;
    TVorbisReader& operator=(const TVorbisReader&) = delete;

    // True when the headers were read and the sound is one or two channels at
    // a rate this layer plays.
    bool Usable() const { return usable_; }
    int Channels() const { return channels_; }
    int Rate() const { return rate_; }
    // Frames in the whole stream, from its last page; 0 when unknown.
    int64_t TotalFrames();

    // Decodes up to maxFrames frames into out (room for maxFrames * Channels()
    // samples). Gives the frames decoded, 0 at the end of the stream, or -1
    // when the data is damaged beyond a skipped gap or the format changes.
    long Read(int16_t* out, long maxFrames);
    // Moves to a frame from the start; false when that fails.
    bool Seek(int64_t frame);
    // The frame the next Read starts at.
    int64_t Position();

private:
    // Where libvorbisfile's callbacks read from.
    struct MemoryReader {
        std::span<const uint8_t> bytes;
        size_t position = 0;
    };

    MemoryReader reader_;
    OggVorbis_File file_{};
    bool open_ = false;
    bool usable_ = false;
    int channels_ = 0;
    int rate_ = 0;

    static size_t ReadMemory(void* destination, size_t size, size_t count, void* source);
    static int SeekMemory(void* source, ogg_int64_t offset, int whence);
    static long TellMemory(void* source);
};
