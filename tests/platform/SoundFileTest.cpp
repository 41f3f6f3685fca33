#include "HeadlessTest.h"

#include <functional>
#include <random>

#include "platform/Sound.h"
#include "platform/SoundTestFiles.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes GoodWav() {
    return soundfiles::Wav(soundfiles::Tone(0.1, 22050), 1, 22050);
}

Bytes GoodOgg() {
    return soundfiles::Ogg(soundfiles::Tone(0.5, 22050), 1, 22050);
}

void PutU32At(Bytes& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

void PutU16At(Bytes& bytes, size_t at, uint16_t value) {
    bytes[at] = static_cast<uint8_t>(value);
    bytes[at + 1] = static_cast<uint8_t>(value >> 8);
}

Bytes Cut(Bytes bytes, size_t size) {
    bytes.resize(size);
    return bytes;
}

Bytes Edited(Bytes bytes, const std::function<void(Bytes&)>& edit) {
    edit(bytes);
    return bytes;
}

Bytes RandomBytes(size_t size, unsigned seed) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& byte : bytes) {
        byte = static_cast<uint8_t>(random());
    }
    return bytes;
}

// Offsets in the header soundfiles::Wav writes.
constexpr size_t RIFF_SIZE = 4;
constexpr size_t FMT_SIZE = 16;
constexpr size_t FORMAT_CODE = 20;
constexpr size_t CHANNELS = 22;
constexpr size_t RATE = 24;
constexpr size_t BITS = 34;
constexpr size_t DATA_TAG = 36;
constexpr size_t DATA_SIZE = 40;
constexpr size_t DATA = 44;

struct BrokenFile {
    const char* what;
    Bytes bytes;
};

std::vector<BrokenFile> BrokenFiles() {
    const Bytes wav = GoodWav();
    const Bytes ogg = GoodOgg();
    Bytes randomAfterOggTag = RandomBytes(4096, 2);
    std::copy_n("OggS", 4, randomAfterOggTag.begin());
    Bytes randomAfterWavTags = RandomBytes(4096, 3);
    std::copy_n("RIFF", 4, randomAfterWavTags.begin());
    std::copy_n("WAVE", 4, randomAfterWavTags.begin() + 8);
    PutU32At(randomAfterWavTags, RIFF_SIZE, 4088);
    return {
        {"empty", {}},
        {"random bytes", RandomBytes(4096, 1)},
        {"random bytes after an Ogg tag", randomAfterOggTag},
        {"random chunks in a WAVE file", randomAfterWavTags},
        {"wav header cut short", Cut(wav, 20)},
        {"wav without its data chunk", Cut(wav, DATA_TAG)},
        {"wav data cut short", Cut(wav, wav.size() - 100)},
        {"wav riff size past the end",
         Edited(wav, [](Bytes& b) { PutU32At(b, RIFF_SIZE, 1u << 30); })},
        {"wav data size past the end",
         Edited(wav, [](Bytes& b) { PutU32At(b, DATA_SIZE, 0xFFFFFFF0u); })},
        {"wav fmt size past the end",
         Edited(wav, [](Bytes& b) { PutU32At(b, FMT_SIZE, 0x7FFFFFFFu); })},
        {"wav fmt chunk too small", Edited(wav, [](Bytes& b) { PutU32At(b, FMT_SIZE, 8); })},
        {"wav with no sound in it", Edited(Cut(wav, DATA),
                                           [](Bytes& b) {
                                               PutU32At(b, DATA_SIZE, 0);
                                               PutU32At(b, RIFF_SIZE, DATA - 8);
                                           })},
        {"wav in a compressed format", Edited(wav, [](Bytes& b) { PutU16At(b, FORMAT_CODE, 2); })},
        {"wav in float format", Edited(wav, [](Bytes& b) { PutU16At(b, FORMAT_CODE, 3); })},
        {"wav with six channels", Edited(wav, [](Bytes& b) { PutU16At(b, CHANNELS, 6); })},
        {"wav with no channels", Edited(wav, [](Bytes& b) { PutU16At(b, CHANNELS, 0); })},
        {"wav with 24-bit samples", Edited(wav, [](Bytes& b) { PutU16At(b, BITS, 24); })},
        {"wav at rate 0", Edited(wav, [](Bytes& b) { PutU32At(b, RATE, 0); })},
        {"wav at an absurd rate", Edited(wav, [](Bytes& b) { PutU32At(b, RATE, 0xFFFFFFFFu); })},
        {"ogg header cut short", Cut(ogg, 60)},
        {"ogg cut in its headers", Cut(ogg, 400)},
        {"ogg data cut short", Cut(ogg, ogg.size() - 50)},
        {"ogg with its pages scrambled", Edited(ogg,
                                                [](Bytes& b) {
                                                    for (size_t i = 200; i < b.size(); i += 7) {
                                                        b[i] ^= 0x5A;
                                                    }
                                                })},
    };
}

} // namespace

class SoundFileTest : public HeadlessTest {
protected:
    soundfiles::TempFolder files;
};

TEST_F(SoundFileTest, GoodFilesLoad) {
    auto wav = LoadSound(files.Write("good.wav", GoodWav()));
    ASSERT_NE(wav, nullptr);
    EXPECT_EQ(wav->Frames(), 2205);
    EXPECT_EQ(wav->Rate(), 22050);
    EXPECT_FALSE(wav->Loops());
    auto ogg = LoadSound(files.Write("good.ogg", GoodOgg()), 1);
    ASSERT_NE(ogg, nullptr);
    EXPECT_EQ(ogg->Frames(), 11025);
    EXPECT_TRUE(ogg->Loops());
    EXPECT_FALSE(ogg->Streamed());
}

TEST_F(SoundFileTest, OggFilesStreamAndOthersLoadWhole) {
    auto ogg = StreamSound(files.Write("good.ogg", GoodOgg()), 1);
    ASSERT_NE(ogg, nullptr);
    EXPECT_TRUE(ogg->Streamed());
    EXPECT_EQ(ogg->Frames(), 11025);
    EXPECT_EQ(ogg->Rate(), 22050);
    EXPECT_EQ(ogg->Channels(), 1);
    EXPECT_TRUE(ogg->Loops());
    auto wav = StreamSound(files.Write("good.wav", GoodWav()));
    ASSERT_NE(wav, nullptr);
    EXPECT_FALSE(wav->Streamed());
    EXPECT_EQ(wav->Frames(), 2205);
    EXPECT_FALSE(wav->Loops());
}

TEST_F(SoundFileTest, WavChunksBeforeTheFormatAndOddSizedChunksAreWalked) {
    Bytes wav = GoodWav();
    // An odd-sized chunk (padded to even) between the header and "fmt ".
    const Bytes extra = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    wav.insert(wav.begin() + 12, extra.begin(), extra.end());
    PutU32At(wav, RIFF_SIZE, static_cast<uint32_t>(wav.size() - 8));
    auto sound = LoadSound(files.Write("list.wav", wav));
    ASSERT_NE(sound, nullptr);
    EXPECT_EQ(sound->Frames(), 2205);
}

// Both ways of loading turn the same files away.
struct Loader {
    const char* name;
    TSoundPtr (*load)(const std::string&, int);
};
constexpr Loader LOADERS[] = {{"LoadSound", LoadSound}, {"StreamSound", StreamSound}};

TEST_F(SoundFileTest, MissingFileGivesNull) {
    for (const Loader& loader : LOADERS) {
        EXPECT_EQ(loader.load((files.Path() / "nothing.ogg").string(), 0), nullptr) << loader.name;
        EXPECT_EQ(loader.load(files.Path().string(), 0), nullptr) << loader.name;
    }
}

TEST_F(SoundFileTest, BrokenFilesGiveNull) {
    for (const auto& broken : BrokenFiles()) {
        for (const char* name : {"broken.wav", "broken.ogg"}) {
            const std::string path = files.Write(name, broken.bytes);
            for (const Loader& loader : LOADERS) {
                EXPECT_EQ(loader.load(path, 1), nullptr)
                    << broken.what << " as " << name << " by " << loader.name;
            }
        }
    }
}
