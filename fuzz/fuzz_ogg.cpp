// Feeds arbitrary bytes to the Ogg Vorbis decoder, as the sound loader does
// with a music or sound file it has read whole.
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "platform/OggDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> bytes(data, size);
    if (!LooksLikeOgg(bytes)) {
        return 0;
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
