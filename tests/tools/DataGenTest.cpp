// Reads back everything the data generator wrote into Data/ and checks it.
#include <gtest/gtest.h>

#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "platform/Images.h"
#include "platform/Sound.h"
#include "platform/TPlatform.h"

namespace {

namespace fs = std::filesystem;

fs::path dataDir() {
    return fs::path(BRINDLEWICK_DATA_DIR) / "Data";
}

class DataFolder : public ::testing::Test {
protected:
    void SetUp() override {
        TPlatform::Instance().UseHeadless();
        if (!fs::is_directory(dataDir())) {
            GTEST_SKIP() << "no generated data at " << dataDir();
        }
    }
};

// ---- Pictures --------------------------------------------------------------------------

struct Rgba {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> px;

    const std::uint8_t* at(int x, int y) const {
        return &px[(static_cast<std::size_t>(y) * width + x) * 4];
    }
    bool visible(int x, int y) const {
        const std::uint8_t* p = at(x, y);
        return p[0] != 0 || p[1] != 0 || p[2] != 0;
    }
};

// The picture as the game's loader decodes it, unmasked: pure black stays black.
Rgba readPng(const fs::path& path) {
    Rgba out;
    const TImagePtr image = LoadImage(path.string(), 0);
    if (!image) {
        ADD_FAILURE() << path << " does not load";
        return out;
    }
    const TPixmap& pixels = *image->Cell(0);
    out.width = pixels.Width();
    out.height = pixels.Height();
    out.px.reserve(static_cast<std::size_t>(out.width) * out.height * 4);
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) {
            const std::uint32_t argb = pixels.ReadPixel(x, y);
            for (int shift : {16, 8, 0, 24}) {
                out.px.push_back(static_cast<std::uint8_t>(argb >> shift & 0xffu));
            }
        }
    }
    return out;
}

struct PictureCase {
    const char* file;
    int cellW;
    int cellH;
    int cells;
    bool sprite; // black is its transparent background
};

// Cell sizes and counts the game loads each picture with; singles give their own size.
const PictureCase kPictures[] = {
    {"tarnhollow.png", 1024, 768, 1, false},
    {"Images/title.png", 1024, 768, 1, false},
    {"Images/credits.png", 1024, 768, 1, false},
    {"Images/gameover.png", 1024, 768, 1, false},
    {"Images/background.png", 1024, 768, 1, false},
    {"Images/logo.png", 824, 323, 16, true},
    {"Images/gear.png", 200, 200, 5, true},
    {"Images/player.png", 140, 123, 8, true},
    {"Images/playerwhite.png", 140, 123, 1, true},
    {"Images/Alien1.png", 100, 100, 20, true},
    {"Images/Alien1White.png", 100, 100, 20, true},
    {"Images/Alien2.png", 168, 100, 20, true},
    {"Images/Alien2White.png", 168, 100, 20, true},
    {"Images/bullet1.png", 0, 0, 1, true},
    {"Images/bullet2.png", 0, 0, 1, true},
    {"Images/AlienBullet.png", 0, 0, 1, true},
    {"Images/AlienBullet2.png", 0, 0, 1, true},
    {"Images/turret.png", 0, 0, 1, true},
    {"Images/TurretWhite.png", 0, 0, 1, true},
    {"Images/pickup.png", 0, 0, 1, true},
    {"Images/win.png", 0, 0, 1, true},
    {"Images/explosion.png", 0, 0, 1, true},
    {"Images/particlering.png", 0, 0, 1, true},
    {"Images/particlering2.png", 0, 0, 1, true},
    {"Images/particle1.png", 0, 0, 1, true},
    {"Images/particle2.png", 0, 0, 1, true},
};

struct Cell {
    int x0, y0, w, h;
};

// Cells are read left to right, top to bottom.
Cell cellAt(const Rgba& image, int cellW, int cellH, int index) {
    const int columns = image.width / cellW;
    return {(index % columns) * cellW, (index / columns) * cellH, cellW, cellH};
}

int visibleCount(const Rgba& image, const Cell& c) {
    int n = 0;
    for (int y = c.y0; y < c.y0 + c.h; ++y) {
        for (int x = c.x0; x < c.x0 + c.w; ++x) {
            n += image.visible(x, y) ? 1 : 0;
        }
    }
    return n;
}

bool sameCell(const Rgba& image, const Cell& a, const Cell& b) {
    for (int y = 0; y < a.h; ++y) {
        if (std::memcmp(image.at(a.x0, a.y0 + y), image.at(b.x0, b.y0 + y),
                        static_cast<std::size_t>(a.w) * 4) != 0) {
            return false;
        }
    }
    return true;
}

TEST_F(DataFolder, EveryPictureHasItsCellsAndTransparentBorders) {
    for (const PictureCase& pc : kPictures) {
        SCOPED_TRACE(pc.file);
        const Rgba image = readPng(dataDir() / pc.file);
        ASSERT_GT(image.width, 0);
        const int cellW = pc.cellW > 0 ? pc.cellW : image.width;
        const int cellH = pc.cellH > 0 ? pc.cellH : image.height;
        ASSERT_EQ(image.width % cellW, 0);
        ASSERT_EQ(image.height % cellH, 0);
        const int columns = image.width / cellW;
        const int slots = columns * (image.height / cellH);
        EXPECT_GE(slots, pc.cells);
        EXPECT_LT(slots - pc.cells, columns) << "a whole empty row of cells";
        EXPECT_LE(std::max(image.width, image.height), 8192) << "too big for one texture";

        for (int i = 0; i < pc.cells; ++i) {
            const Cell c = cellAt(image, cellW, cellH, i);
            EXPECT_GT(visibleCount(image, c), c.w * c.h / 50) << "cell " << i << " is empty";
            if (pc.sprite) {
                // The sprite stands on black: its corners are the transparent colour.
                for (auto [x, y] : {std::pair{c.x0, c.y0},
                                    {c.x0 + c.w - 1, c.y0},
                                    {c.x0, c.y0 + c.h - 1},
                                    {c.x0 + c.w - 1, c.y0 + c.h - 1}}) {
                    EXPECT_FALSE(image.visible(x, y))
                        << "cell " << i << " corner " << x << "," << y;
                }
            } else {
                EXPECT_EQ(visibleCount(image, c), c.w * c.h) << "holes of pure black";
            }
        }
        if (pc.cells > 1 && pc.file != std::string("Images/Alien1White.png") &&
            pc.file != std::string("Images/Alien2White.png")) {
            int distinct = 0;
            for (int i = 1; i < pc.cells; ++i) {
                distinct += sameCell(image, cellAt(image, cellW, cellH, i - 1),
                                     cellAt(image, cellW, cellH, i))
                                ? 0
                                : 1;
            }
            EXPECT_EQ(distinct, pc.cells - 1) << "animation has repeated neighbouring cells";
        }
    }
}

// Loaded as the game loads it (flags -1, cut into its cells), every cell has
// its size, the count is right, and a pixel is see-through exactly where the
// picture is pure black, cell for cell in reading order.
TEST_F(DataFolder, EveryPictureLoadsIntoItsCellsWithBlackMaskedOut) {
    for (const PictureCase& pc : kPictures) {
        SCOPED_TRACE(pc.file);
        const std::string path = (dataDir() / pc.file).string();
        const Rgba raw = readPng(dataDir() / pc.file);
        ASSERT_GT(raw.width, 0);
        const bool cut = pc.cellW > 0 && pc.cells > 1;
        const TImagePtr image =
            cut ? LoadAnimImage(path, pc.cellW, pc.cellH, 0, pc.cells, -1) : LoadImage(path, -1);
        ASSERT_NE(image, nullptr);
        const int cellW = pc.cellW > 0 ? pc.cellW : raw.width;
        const int cellH = pc.cellH > 0 ? pc.cellH : raw.height;
        EXPECT_EQ(ImageWidth(image), cellW);
        EXPECT_EQ(ImageHeight(image), cellH);
        ASSERT_EQ(CountFrames(image), pc.cells);
        for (int i = 0; i < pc.cells; ++i) {
            const Cell c = cellAt(raw, cellW, cellH, i);
            const TPixmap& cell = *image->Cell(i);
            int wrong = 0;
            for (int y = 0; y < c.h; ++y) {
                for (int x = 0; x < c.w; ++x) {
                    const bool opaque = (cell.ReadPixel(x, y) >> 24) != 0;
                    wrong += opaque != raw.visible(c.x0 + x, c.y0 + y) ? 1 : 0;
                }
            }
            EXPECT_EQ(wrong, 0) << "cell " << i;
        }
    }
}

TEST_F(DataFolder, SpritesFitTheirHitBoxes) {
    struct Box {
        const char* file;
        int x, y, w, h; // hit box in the picture (or in one cell)
        int cellW;      // 0 for a single picture
    };
    const Box boxes[] = {
        {"Images/bullet1.png", 12, 0, 15, 80, 0},
        {"Images/bullet2.png", 12, 0, 15, 80, 0},
        {"Images/turret.png", 2, 19, 75, 52, 0},
        {"Images/Alien1.png", 0, 0, 100, 70, 100},
    };
    for (const Box& b : boxes) {
        SCOPED_TRACE(b.file);
        const Rgba image = readPng(dataDir() / b.file);
        const int cellW = b.cellW > 0 ? b.cellW : image.width;
        const int cellH = b.cellW > 0 ? b.cellW : image.height;
        ASSERT_GE(cellW, b.x + b.w);
        ASSERT_GE(cellH, b.y + b.h);
        // Most of what can be seen lies inside the hit box: a shot hits where it shows.
        const Cell whole{0, 0, cellW, cellH};
        const Cell box{b.x, b.y, b.w, b.h};
        EXPECT_GT(visibleCount(image, box) * 3, visibleCount(image, whole))
            << "the hit box misses the visible body";
        EXPECT_GT(visibleCount(image, box), b.w * b.h / 3) << "the hit box is mostly empty";
    }
}

TEST_F(DataFolder, WhiteVariantsAreSilhouettesOfTheirImages) {
    struct Pair {
        const char* image;
        const char* white;
        int cellW, cellH, cells; // cells compared; the white's cell i matches image cell i
    };
    const Pair pairs[] = {
        {"Images/player.png", "Images/playerwhite.png", 140, 123, 1},
        {"Images/Alien1.png", "Images/Alien1White.png", 100, 100, 20},
        {"Images/Alien2.png", "Images/Alien2White.png", 168, 100, 20},
        {"Images/turret.png", "Images/TurretWhite.png", 80, 72, 1},
    };
    for (const Pair& p : pairs) {
        SCOPED_TRACE(p.white);
        const Rgba image = readPng(dataDir() / p.image);
        const Rgba white = readPng(dataDir() / p.white);
        ASSERT_EQ(white.height % p.cellH, 0);
        for (int i = 0; i < p.cells; ++i) {
            const Cell ci = cellAt(image, p.cellW, p.cellH, i);
            const Cell cw = cellAt(white, p.cellW, p.cellH, i);
            int mismatches = 0, coloured = 0;
            for (int y = 0; y < p.cellH; ++y) {
                for (int x = 0; x < p.cellW; ++x) {
                    mismatches +=
                        image.visible(ci.x0 + x, ci.y0 + y) != white.visible(cw.x0 + x, cw.y0 + y);
                    const std::uint8_t* w = white.at(cw.x0 + x, cw.y0 + y);
                    coloured += (w[0] != w[1] || w[1] != w[2]) ? 1 : 0;
                }
            }
            EXPECT_EQ(mismatches, 0) << "cell " << i;
            EXPECT_EQ(coloured, 0) << "cell " << i << " is not grey-scale";
        }
    }
    // The player's white variant is one picture of one cell.
    const Rgba playerWhite = readPng(dataDir() / "Images/playerwhite.png");
    EXPECT_EQ(playerWhite.width, 140);
    EXPECT_EQ(playerWhite.height, 123);
}

// ---- Sounds ----------------------------------------------------------------------------

struct Pcm {
    int channels = 0;
    int rate = 0;
    std::vector<std::vector<float>> ch; // one vector per channel
    double seconds() const { return ch.empty() ? 0.0 : double(ch[0].size()) / rate; }
};

std::uint32_t le(const std::vector<char>& b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = 0; i < bytes; ++i) {
        v |= std::uint32_t(static_cast<unsigned char>(b[at + i])) << (8 * i);
    }
    return v;
}

// A plain RIFF/WAVE reader for 16-bit PCM; anything else fails the test.
Pcm readWav(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> b((std::istreambuf_iterator<char>(in)), {});
    Pcm pcm;
    if (b.size() < 44 || std::memcmp(b.data(), "RIFF", 4) != 0 ||
        std::memcmp(b.data() + 8, "WAVE", 4) != 0) {
        ADD_FAILURE() << path << " is not RIFF/WAVE";
        return pcm;
    }
    int bits = 0;
    for (std::size_t pos = 12; pos + 8 <= b.size();) {
        const std::uint32_t size = le(b, pos + 4, 4);
        if (std::memcmp(b.data() + pos, "fmt ", 4) == 0) {
            EXPECT_EQ(le(b, pos + 8, 2), 1u) << path << " is not PCM";
            pcm.channels = static_cast<int>(le(b, pos + 10, 2));
            pcm.rate = static_cast<int>(le(b, pos + 12, 4));
            bits = static_cast<int>(le(b, pos + 22, 2));
        } else if (std::memcmp(b.data() + pos, "data", 4) == 0 && bits == 16 && pcm.channels > 0) {
            pcm.ch.assign(static_cast<std::size_t>(pcm.channels), {});
            const std::size_t frames = size / (2u * pcm.channels);
            for (std::size_t f = 0; f < frames; ++f) {
                for (int c = 0; c < pcm.channels; ++c) {
                    const auto v =
                        static_cast<std::int16_t>(le(b, pos + 8 + (f * pcm.channels + c) * 2, 2));
                    pcm.ch[static_cast<std::size_t>(c)].push_back(v / 32768.0f);
                }
            }
        }
        pos += 8 + size + (size & 1);
    }
    EXPECT_EQ(bits, 16) << path;
    return pcm;
}

struct OggFile {
    OggVorbis_File vf;
    bool open = false;
    explicit OggFile(const fs::path& path) { open = ov_fopen(path.c_str(), &vf) == 0; }
    ~OggFile() {
        if (open) {
            ov_clear(&vf);
        }
    }
    OggFile(const OggFile&) = delete;
    OggFile& operator=(const OggFile&) = delete;
};

Pcm readOgg(const fs::path& path) {
    Pcm pcm;
    OggFile file(path);
    if (!file.open) {
        ADD_FAILURE() << path << " does not decode as Ogg Vorbis";
        return pcm;
    }
    const vorbis_info* info = ov_info(&file.vf, -1);
    pcm.channels = info->channels;
    pcm.rate = static_cast<int>(info->rate);
    pcm.ch.assign(static_cast<std::size_t>(pcm.channels), {});
    int section = 0;
    for (;;) {
        float** data = nullptr;
        const long n = ov_read_float(&file.vf, &data, 4096, &section);
        if (n <= 0) {
            EXPECT_EQ(n, 0) << path << " decode error";
            break;
        }
        for (int c = 0; c < pcm.channels; ++c) {
            pcm.ch[static_cast<std::size_t>(c)].insert(pcm.ch[static_cast<std::size_t>(c)].end(),
                                                       data[c], data[c] + n);
        }
    }
    return pcm;
}

double db(double amplitude) {
    return 20.0 * std::log10(std::max(amplitude, 1e-12));
}

double peakDb(const Pcm& pcm) {
    float peak = 0.0f;
    for (const auto& c : pcm.ch) {
        for (float v : c) {
            peak = std::max(peak, std::fabs(v));
        }
    }
    return db(peak);
}

double rmsDb(const std::vector<float>& c, std::size_t from, std::size_t count) {
    double sum = 0.0;
    for (std::size_t i = from; i < from + count; ++i) {
        sum += double(c[i]) * c[i];
    }
    return db(std::sqrt(sum / double(count)));
}

// The game's own sound loader reads the file, at its rate and to its last frame.
void expectGameLoads(const fs::path& path, const Pcm& pcm, int flags) {
    const TSoundPtr sound = LoadSound(path.string(), flags);
    ASSERT_NE(sound, nullptr) << path << " does not load";
    EXPECT_EQ(sound->Rate(), pcm.rate);
    ASSERT_FALSE(pcm.ch.empty());
    EXPECT_EQ(static_cast<std::size_t>(sound->Frames()), pcm.ch[0].size());
    EXPECT_EQ(sound->Loops(), flags == 1);
}

struct SoundCase {
    const char* file;
    double minSeconds, maxSeconds;
};

const SoundCase kEffects[] = {
    {"AlienHit.wav", 0.03, 1.0},    {"AlienExplosion.wav", 0.2, 2.5},
    {"AlienShoot1.wav", 0.03, 1.0}, {"AlienShoot2.wav", 0.05, 1.5},
    {"PlayerHit.wav", 0.05, 1.5},   {"SpawnShoot.wav", 0.03, 1.0},
    {"blip.wav", 0.02, 0.5},        {"dead.wav", 0.5, 4.0},
    {"fire.wav", 0.02, 0.15},       {"hit.wav", 0.03, 1.0},
    {"start.wav", 0.2, 2.5},        {"pickup.wav", 0.05, 1.5},
    {"pickup2.wav", 0.05, 1.5},     {"success.wav", 0.3, 3.0},
    {"spawn.wav", 0.1, 2.0},        {"splashsound.wav", 0.5, 2.999},
    {"select.wav", 0.03, 1.0},
};

TEST_F(DataFolder, EffectsAreCleanSixteenBitPcm) {
    std::map<std::vector<float>, std::string> seen;
    for (const SoundCase& sc : kEffects) {
        SCOPED_TRACE(sc.file);
        const Pcm pcm = readWav(dataDir() / "Sound" / sc.file);
        ASSERT_FALSE(pcm.ch.empty());
        expectGameLoads(dataDir() / "Sound" / sc.file, pcm, 0);
        EXPECT_EQ(pcm.rate, 44100);
        EXPECT_GE(pcm.seconds(), sc.minSeconds);
        EXPECT_LE(pcm.seconds(), sc.maxSeconds);
        EXPECT_LT(peakDb(pcm), -1.0);
        const auto& c = pcm.ch[0];
        EXPECT_GT(rmsDb(c, 0, c.size()), -40.0) << "nearly silent";
        // No click: the sound starts and ends at rest.
        EXPECT_LT(std::fabs(c.front()), 0.01f);
        EXPECT_LT(std::fabs(c.back()), 0.01f);
        const auto [it, fresh] = seen.emplace(c, sc.file);
        EXPECT_TRUE(fresh) << "same samples as " << it->second;
    }
}

struct MusicCase {
    const char* file;
    double minSeconds, maxSeconds;
    bool loops;
};

const MusicCase kOggs[] = {
    {"Music/title.ogg", 40.0, 90.0, true},   {"Music/game.ogg", 40.0, 90.0, true},
    {"Music/victory.ogg", 5.0, 15.0, false}, {"Music/gameover.ogg", 5.0, 15.0, false},
    {"Sound/logo.ogg", 0.3, 0.8, false},
};

TEST_F(DataFolder, OggFilesDecodeWithinLengthAndLevel) {
    for (const MusicCase& mc : kOggs) {
        SCOPED_TRACE(mc.file);
        const Pcm pcm = readOgg(dataDir() / mc.file);
        ASSERT_FALSE(pcm.ch.empty());
        // The game loads the looping tracks to loop.
        expectGameLoads(dataDir() / mc.file, pcm, mc.loops ? 1 : 0);
        EXPECT_EQ(pcm.rate, 44100);
        if (std::string(mc.file).starts_with("Music/")) {
            EXPECT_EQ(pcm.channels, 2);
        }
        EXPECT_GE(pcm.seconds(), mc.minSeconds);
        EXPECT_LE(pcm.seconds(), mc.maxSeconds);
        EXPECT_LT(peakDb(pcm), -1.0);
        EXPECT_GT(rmsDb(pcm.ch[0], 0, pcm.ch[0].size()), -35.0);
    }
}

// The game loops these tracks: the last sample must flow into the first with no gap.
TEST_F(DataFolder, LoopingTracksJoinEndToStart) {
    for (const MusicCase& mc : kOggs) {
        if (!mc.loops) {
            continue;
        }
        SCOPED_TRACE(mc.file);
        const Pcm pcm = readOgg(dataDir() / mc.file);
        ASSERT_FALSE(pcm.ch.empty());
        for (const auto& c : pcm.ch) {
            const std::size_t n = c.size();
            ASSERT_GT(n, 44100u);
            // The step across the seam is no bigger than the music's own steps nearby.
            float localStep = 0.0f;
            for (std::size_t i = 1; i < 2048; ++i) {
                localStep = std::max(
                    {localStep, std::fabs(c[i] - c[i - 1]), std::fabs(c[n - i] - c[n - i - 1])});
            }
            EXPECT_LE(std::fabs(c.front() - c.back()), 1.5f * localStep + 0.01f);
            // No silent gap and no jump in loudness on either side of the seam (20 ms).
            const std::size_t window = 882;
            const double tail = rmsDb(c, n - window, window);
            const double head = rmsDb(c, 0, window);
            EXPECT_GT(tail, -45.0);
            EXPECT_GT(head, -45.0);
            EXPECT_LT(std::fabs(tail - head), 12.0);
        }
    }
}

TEST_F(DataFolder, GameFontIsTheVeraBoldCopy) {
    const fs::path copy = dataDir() / "Fonts/verabd.ttf";
    ASSERT_TRUE(fs::exists(copy));
    std::ifstream in(copy, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_GT(bytes.size(), 4u);
    EXPECT_EQ(le(bytes, 0, 4), 0x00000100u) << "not a TrueType file";
    const fs::path system = "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf";
    if (fs::exists(system)) {
        EXPECT_EQ(fs::file_size(copy), fs::file_size(system));
    }
}

} // namespace
