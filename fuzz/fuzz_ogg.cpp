// Feeds arbitrary bytes to the Ogg Vorbis decoder, as the sound loader does
// with a sound file it has read whole, and as a music track is played: checked
// first, then decoded a buffer at a time and looped back to its start.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "FuzzCheck.h"
#include "platform/OggDecoder.h"
#include "platform/TVorbisReader.h"

namespace {

// Plays a checked track through twice, as a looping music stream would.
void StreamTwice(std::span<const uint8_t> bytes, const TOggInfo& info) {
    constexpr long PIECE_FRAMES = 8192;
    // Bounds the run on a track whose length lies.
    constexpr int MAX_PIECES = 4096;
    TVorbisReader reader(bytes);
    FUZZ_REQUIRE(reader.Usable());
    FUZZ_REQUIRE(reader.Channels() == info.channels && reader.Rate() == info.rate);
    std::vector<int16_t> piece(static_cast<size_t>(PIECE_FRAMES) * 2);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < MAX_PIECES; ++i) {
            const long got = reader.Read(piece.data(), PIECE_FRAMES);
            FUZZ_REQUIRE(got <= PIECE_FRAMES);
            if (got <= 0) {
                break;
            }
        }
        if (!reader.Seek(0)) {
            return;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    if (!LooksLikeOgg(bytes)) {
        return 0;
    }
    if (const auto info = ProbeOgg(bytes)) {
        FUZZ_REQUIRE(info->channels == 1 || info->channels == 2);
        FUZZ_REQUIRE(info->rate >= AudioLimits::MIN_RATE && info->rate <= AudioLimits::MAX_RATE);
        FUZZ_REQUIRE(info->frames > 0);
        StreamTwice(bytes, *info);
    }
    const auto audio = DecodeOgg(bytes);
    if (!audio) {
        return 0;
    }
    FUZZ_REQUIRE(audio->channels == 1 || audio->channels == 2);
    FUZZ_REQUIRE(audio->rate >= AudioLimits::MIN_RATE && audio->rate <= AudioLimits::MAX_RATE);
    FUZZ_REQUIRE(audio->Frames() > 0);
    FUZZ_REQUIRE(audio->samples.size() % static_cast<size_t>(audio->channels) == 0);
    FUZZ_REQUIRE(audio->samples.size() <= AudioLimits::MAX_SAMPLES);
    return 0;
}
