#include "platform/OggDecoder.h"

#include <cstring>
#include <vector>

#include "platform/TVorbisReader.h"

namespace {

// Frames decoded per call while reading a whole stream.
constexpr long CHUNK_FRAMES = 4096;

bool DecodeAll(TVorbisReader& reader, TAudioData& audio) {
    std::vector<int16_t> chunk(static_cast<size_t>(CHUNK_FRAMES) * 2);
    for (;;) {
        const long got = reader.Read(chunk.data(), CHUNK_FRAMES);
        if (got == 0) {
            return true;
        }
        if (got < 0) {
            return false;
        }
        const size_t samples = static_cast<size_t>(got) * static_cast<size_t>(audio.channels);
        if (audio.samples.size() + samples > AudioLimits::MAX_SAMPLES) {
            return false;
        }
        audio.samples.insert(audio.samples.end(), chunk.begin(),
                             chunk.begin() + static_cast<std::ptrdiff_t>(samples));
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

bool LooksWhole(std::span<const uint8_t> bytes) {
    return LooksLikeOgg(bytes) && EndsWithFinalPage(bytes);
}

} // namespace

bool LooksLikeOgg(std::span<const uint8_t> bytes) {
    return bytes.size() >= 4 && std::memcmp(bytes.data(), "OggS", 4) == 0;
}

std::optional<TAudioData> DecodeOgg(std::span<const uint8_t> bytes) {
    if (!LooksWhole(bytes)) {
        return std::nullopt;
    }
    TVorbisReader reader(bytes);
    if (!reader.Usable()) {
        return std::nullopt;
    }
    TAudioData audio;
    audio.channels = reader.Channels();
    audio.rate = reader.Rate();
    if (!DecodeAll(reader, audio) || audio.Frames() == 0) {
        return std::nullopt;
    }
    return audio;
}

std::optional<TOggInfo> ProbeOgg(std::span<const uint8_t> bytes) {
    if (!LooksWhole(bytes)) {
        return std::nullopt;
    }
    TVorbisReader reader(bytes);
    if (!reader.Usable()) {
        return std::nullopt;
    }
    TOggInfo info{reader.Channels(), reader.Rate(), reader.TotalFrames()};
    // The first moments must decode: headers alone do not make a sound.
    constexpr long FIRST_FRAMES = 1024;
    std::vector<int16_t> first(static_cast<size_t>(FIRST_FRAMES) * 2);
    if (info.frames <= 0 || reader.Read(first.data(), FIRST_FRAMES) <= 0) {
        return std::nullopt;
    }
    return info;
}
