#include "platform/OggDecoder.h"

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// A read position over the file's bytes, for libvorbisfile's callbacks.
struct MemoryReader {
    std::span<const uint8_t> bytes;
    size_t position = 0;
};

size_t ReadMemory(void* destination, size_t size, size_t count, void* source) {
    auto& reader = *static_cast<MemoryReader*>(source);
    if (size == 0) {
        return 0;
    }
    const size_t available = (reader.bytes.size() - reader.position) / size;
    const size_t items = std::min(count, available);
    std::memcpy(destination, reader.bytes.data() + reader.position, items * size);
    reader.position += items * size;
    return items;
}

int SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto& reader = *static_cast<MemoryReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader.bytes.size());
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<ogg_int64_t>(reader.position);
    } else if (whence == SEEK_END) {
        base = size;
    }
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > size) {
        return -1;
    }
    reader.position = static_cast<size_t>(target);
    return 0;
}

long TellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->position);
}

// An open Vorbis stream, cleared however decoding ends.
class VorbisStream {
public:
    explicit VorbisStream(std::span<const uint8_t> bytes) : reader_{bytes} {
        const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
        open_ = ov_open_callbacks(&reader_, &file_, nullptr, 0, callbacks) == 0;
    }
    ~VorbisStream() {
        if (open_) {
            ov_clear(&file_);
        }
    }
    VorbisStream(const VorbisStream&) = delete;
    VorbisStream& operator=(const VorbisStream&) = delete;

    bool Open() const { return open_; }
    OggVorbis_File* File() { return &file_; }

private:
    MemoryReader reader_;
    OggVorbis_File file_{};
    bool open_ = false;
};

bool DecodeAll(VorbisStream& stream, TAudioData& audio) {
    constexpr int CHUNK_BYTES = 16384;
    constexpr int HOST_ORDER = std::endian::native == std::endian::big ? 1 : 0;
    constexpr int SIXTEEN_BIT = 2;
    constexpr int SIGNED = 1;
    char chunk[CHUNK_BYTES];
    for (;;) {
        int section = 0;
        const long got =
            ov_read(stream.File(), chunk, CHUNK_BYTES, HOST_ORDER, SIXTEEN_BIT, SIGNED, &section);
        if (got == 0) {
            return true;
        }
        if (got == OV_HOLE) {
            continue;
        }
        const vorbis_info* info = ov_info(stream.File(), section);
        if (got < 0 || !info || info->channels != audio.channels || info->rate != audio.rate) {
            return false;
        }
        const size_t samples = static_cast<size_t>(got) / 2;
        if (audio.samples.size() + samples > AudioLimits::MAX_SAMPLES) {
            return false;
        }
        const size_t at = audio.samples.size();
        audio.samples.resize(at + samples);
        std::memcpy(audio.samples.data() + at, chunk, samples * 2);
    }
}

// Whether the data ends with a whole page that closes the stream: a file cut
// short anywhere ends with a partial page or one without the end mark.
bool EndsWithFinalPage(std::span<const uint8_t> bytes) {
    constexpr size_t PAGE_HEADER = 27;
    constexpr size_t MAX_PAGE = PAGE_HEADER + 255 + 255 * 255;
    constexpr uint8_t END_OF_STREAM = 0x04;
    const size_t size = bytes.size();
    const size_t lowest = size > MAX_PAGE ? size - MAX_PAGE : 0;
    for (size_t at = size >= PAGE_HEADER ? size - PAGE_HEADER + 1 : 0; at-- > lowest;) {
        if (std::memcmp(bytes.data() + at, "OggS", 4) != 0) {
            continue;
        }
        const size_t segments = bytes[at + 26];
        if (at + PAGE_HEADER + segments > size) {
            continue;
        }
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) {
            body += bytes[at + PAGE_HEADER + i];
        }
        if (at + PAGE_HEADER + segments + body == size) {
            return (bytes[at + 5] & END_OF_STREAM) != 0;
        }
    }
    return false;
}

} // namespace

bool LooksLikeOgg(std::span<const uint8_t> bytes) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0;
}

std::optional<TAudioData> DecodeOgg(std::span<const uint8_t> bytes) {
    if (!LooksLikeOgg(bytes) || !EndsWithFinalPage(bytes)) {
        return std::nullopt;
    }
    VorbisStream stream(bytes);
    if (!stream.Open()) {
        return std::nullopt;
    }
    const vorbis_info* info = ov_info(stream.File(), -1);
    if (!info || (info->channels != 1 && info->channels != 2) ||
        info->rate < AudioLimits::MIN_RATE || info->rate > AudioLimits::MAX_RATE) {
        return std::nullopt;
    }
    TAudioData audio;
    audio.channels = info->channels;
    audio.rate = static_cast<int>(info->rate);
    if (!DecodeAll(stream, audio) || audio.Frames() == 0) {
        return std::nullopt;
    }
    return audio;
}
