#include "DataGen.h"

#include "Art.h"
#include "Effects.h"
#include "Icons.h"
#include "Music.h"
#include "Review.h"

#include <functional>
#include <future>
#include <stdexcept>
#include <string>
#include <vector>

namespace datagen {

namespace fs = std::filesystem;

namespace {

constexpr float kMusicQuality = 0.3f;
constexpr char kGameFont[] = "/usr/share/fonts/truetype/ttf-bitstream-vera/VeraBd.ttf";

struct MusicJob {
    const char* file;
    Sound (*compose)();
    int serial;
};

constexpr MusicJob kMusic[] = {
    {"title.ogg", titleMusic, 0x42520001},
    {"game.ogg", gameMusic, 0x42520002},
    {"victory.ogg", victoryMusic, 0x42520003},
    {"gameover.ogg", gameOverMusic, 0x42520004},
};

SoundRow writeMusic(const fs::path& folder, const MusicJob& job) {
    const Sound sound = job.compose();
    writeOgg(folder / job.file, sound, kMusicQuality, job.serial);
    return {std::string("Music/") + job.file, measure(sound)};
}

void copyFont(const fs::path& fonts) {
    if (!fs::exists(kGameFont)) {
        throw std::runtime_error(std::string("missing font ") + kGameFont +
                                 " (install ttf-bitstream-vera)");
    }
    fs::copy_file(kGameFont, fonts / "verabd.ttf", fs::copy_options::overwrite_existing);
}

// The icon theme's folders under <outDir>/icons, installed as they are, and the window icon
// in Data/. Returns the icons as review pictures (premultiplied, as the review sheet reads).
std::vector<Picture> writeIcons(const fs::path& outDir, const fs::path& data) {
    std::vector<Picture> review;
    for (const Icon& icon : makeIcons()) {
        const std::string size = std::to_string(icon.size) + "x" + std::to_string(icon.size);
        const fs::path folder = outDir / "icons" / "hicolor" / size / "apps";
        fs::create_directories(folder);
        writePng(folder / "brindlewick.png", icon.image);
        if (icon.size == kWindowIconSize) {
            writePng(data / "Icons" / "brindlewick.png", icon.image);
        }
        Image shown = icon.image;
        for (std::size_t i = 0; i < shown.pixels.size(); i += 4) {
            for (std::size_t c = 0; c < 3; ++c) {
                shown.pixels[i + c] =
                    static_cast<std::uint8_t>(shown.pixels[i + c] * shown.pixels[i + 3] / 255);
            }
        }
        review.push_back({"icon " + size, std::move(shown), icon.size, icon.size, 1});
    }
    return review;
}

} // namespace

void generateData(const fs::path& outDir) {
    const fs::path data = outDir / "Data";
    const fs::path review = outDir / "review";
    for (const fs::path& dir : {data / "Images", data / "Sound", data / "Music", data / "Fonts",
                                data / "Icons", review}) {
        fs::create_directories(dir);
    }

    // Music takes longest: compose and encode the two loops on their own threads.
    std::vector<std::future<SoundRow>> longTracks;
    for (int i = 0; i < 2; ++i) {
        longTracks.push_back(
            std::async(std::launch::async, writeMusic, data / "Music", std::cref(kMusic[i])));
    }

    std::vector<Picture> pictures = makeScreens();
    for (Picture& p : makeSprites()) {
        pictures.push_back(std::move(p));
    }
    for (const Picture& p : pictures) {
        writePng(data / p.file, p.image);
    }

    std::vector<SoundRow> rows;
    for (const NamedSound& effect : makeEffects()) {
        writeWav(data / "Sound" / effect.file, effect.sound);
        rows.push_back({"Sound/" + effect.file, measure(effect.sound)});
    }
    const Sound shimmer = logoShimmer();
    writeOgg(data / "Sound" / "logo.ogg", shimmer, 0.4f, 0x42520010);
    rows.push_back({"Sound/logo.ogg", measure(shimmer)});
    rows.push_back(writeMusic(data / "Music", kMusic[2]));
    rows.push_back(writeMusic(data / "Music", kMusic[3]));
    copyFont(data / "Fonts");
    for (Picture& icon : writeIcons(outDir, data)) {
        pictures.push_back(std::move(icon));
    }

    writeContactSheet(review / "contact-sheet.png", pictures);
    for (auto& track : longTracks) {
        rows.push_back(track.get());
    }
    writeSoundTable(review / "sounds.txt", rows);
}

} // namespace datagen
