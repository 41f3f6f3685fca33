// Makes the fuzzers' seed corpora: small pictures and sounds made on the spot,
// and the game's generated data cut down to a few kilobytes so every run is
// quick.
//   make_seeds <generated Data folder, or "-" for none> <corpus folder>
// writes <corpus>/png, wav, ogg and font.
#include <png.h>
#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

namespace {

// Seeds bigger than this are cut down or left out.
constexpr size_t SMALL_FILE = 16 * 1024;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteFile(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::vector<fs::path> FilesWithExtension(const fs::path& folder, const std::string& extension) {
    std::vector<fs::path> files;
    if (!fs::is_directory(folder)) {
        return files;
    }
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() == extension) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

uint32_t ReadU32(const Bytes& bytes, size_t at) {
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | uint32_t{bytes[at + 3]} << 24;
}

void PutU16(Bytes& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(Bytes& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

void PutTag(Bytes& out, const char* tag) {
    out.insert(out.end(), tag, tag + 4);
}

// ---- Pictures -------------------------------------------------------------

void WritePng(const fs::path& path, int width, int height, png_uint_32 format,
              const std::vector<uint8_t>& pixels, const std::vector<uint8_t>& colourMap = {}) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = format;
    image.colormap_entries = static_cast<png_uint_32>(colourMap.size() / 4);
    png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0,
                            colourMap.empty() ? nullptr : colourMap.data());
    png_image_free(&image);
}

// Channels per pixel of a simplified-API format without a colour map.
int Channels(png_uint_32 format) {
    return PNG_IMAGE_PIXEL_CHANNELS(format);
}

std::vector<uint8_t> Pattern(int width, int height, int channels) {
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * channels));
    for (size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<uint8_t>((i * 37) ^ (i >> 3));
    }
    return pixels;
}

void MadePictures(const fs::path& out) {
    for (png_uint_32 format : {png_uint_32{PNG_FORMAT_GRAY}, png_uint_32{PNG_FORMAT_GA},
                               png_uint_32{PNG_FORMAT_RGB}, png_uint_32{PNG_FORMAT_RGBA}}) {
        const int channels = Channels(format);
        WritePng(out / ("made-" + std::to_string(channels) + "x1.png"), 1, 1, format,
                 Pattern(1, 1, channels));
        WritePng(out / ("made-" + std::to_string(channels) + "-8x6.png"), 8, 6, format,
                 Pattern(8, 6, channels));
    }
    // Black squares among colour, so the masking has work to do.
    std::vector<uint8_t> masked(12 * 4 * 4, 0);
    for (size_t i = 0; i < masked.size(); i += 4) {
        if ((i / 4) % 3 != 0) {
            masked[i] = 200, masked[i + 1] = 80, masked[i + 2] = 40;
        }
        masked[i + 3] = 255;
    }
    WritePng(out / "made-masked-12x4.png", 12, 4, PNG_FORMAT_RGBA, masked);
    const std::vector<uint8_t> colourMap = {0, 0,   0, 255, 255, 0, 0,   255,
                                            0, 255, 0, 128, 0,   0, 255, 0};
    WritePng(out / "made-palette-4x4.png", 4, 4, PNG_FORMAT_RGBA_COLORMAP,
             {0, 1, 2, 3, 3, 2, 1, 0, 0, 0, 1, 1, 2, 2, 3, 3}, colourMap);
}

// The top-left corner of a generated picture, at most 24 pixels square.
void CutPicture(const fs::path& from, const fs::path& to) {
    constexpr png_uint_32 SIDE = 24;
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, from.c_str())) {
        return;
    }
    image.format = PNG_FORMAT_RGBA;
    std::vector<uint8_t> pixels(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return;
    }
    const png_uint_32 width = std::min(image.width, SIDE);
    const png_uint_32 height = std::min(image.height, SIDE);
    std::vector<uint8_t> corner;
    for (png_uint_32 y = 0; y < height; ++y) {
        const auto row = pixels.begin() + static_cast<std::ptrdiff_t>(y * image.width * 4);
        corner.insert(corner.end(), row, row + static_cast<std::ptrdiff_t>(width * 4));
    }
    WritePng(to, static_cast<int>(width), static_cast<int>(height), PNG_FORMAT_RGBA, corner);
}

void Pictures(const fs::path& data, const fs::path& out) {
    MadePictures(out);
    for (const auto& file : FilesWithExtension(data / "Images", ".png")) {
        if (fs::file_size(file) <= SMALL_FILE) {
            fs::copy_file(file, out / file.filename(), fs::copy_options::overwrite_existing);
        } else {
            CutPicture(file, out / ("cut-" + file.filename().string()));
        }
    }
}

// ---- Sounds ---------------------------------------------------------------

struct WavParts {
    uint16_t code = 1;
    uint16_t channels = 1;
    uint32_t rate = 11025;
    uint16_t bits = 16;
    Bytes extra;   // bytes after the 16 of a plain format chunk
    Bytes samples; // the data chunk's body
    bool listChunk = false;
};

Bytes BuildWav(const WavParts& parts) {
    Bytes body;
    PutTag(body, "WAVE");
    if (parts.listChunk) {
        PutTag(body, "LIST");
        PutU32(body, 5);
        PutTag(body, "INFO");
        body.push_back('x');
        body.push_back(0); // pad to an even length
    }
    PutTag(body, "fmt ");
    PutU32(body, static_cast<uint32_t>(16 + parts.extra.size()));
    PutU16(body, parts.code);
    PutU16(body, parts.channels);
    PutU32(body, parts.rate);
    const uint32_t blockAlign = parts.channels * parts.bits / 8u;
    PutU32(body, parts.rate * blockAlign);
    PutU16(body, blockAlign);
    PutU16(body, parts.bits);
    body.insert(body.end(), parts.extra.begin(), parts.extra.end());
    PutTag(body, "data");
    PutU32(body, static_cast<uint32_t>(parts.samples.size()));
    body.insert(body.end(), parts.samples.begin(), parts.samples.end());
    if (parts.samples.size() % 2 != 0) {
        body.push_back(0);
    }
    Bytes wav;
    PutTag(wav, "RIFF");
    PutU32(wav, static_cast<uint32_t>(body.size()));
    wav.insert(wav.end(), body.begin(), body.end());
    return wav;
}

Bytes ToneBytes(size_t count) {
    Bytes bytes(count);
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>(128 + 100 * std::sin(static_cast<double>(i) * 0.3));
    }
    return bytes;
}

void MadeWavs(const fs::path& out) {
    WavParts mono8{.bits = 8, .samples = ToneBytes(65)};
    WriteFile(out / "made-mono8.wav", BuildWav(mono8));
    WavParts stereo16{.channels = 2, .rate = 22050, .samples = ToneBytes(128)};
    WriteFile(out / "made-stereo16.wav", BuildWav(stereo16));
    WavParts listed{.samples = ToneBytes(64), .listChunk = true};
    WriteFile(out / "made-list.wav", BuildWav(listed));
    // Extensible format: size of the extension, valid bits, channel mask, then
    // the sub-format whose first two bytes say PCM.
    WavParts extensible{.code = 0xFFFE, .channels = 2, .samples = ToneBytes(64)};
    extensible.extra = {22, 0, 16, 0,    3,    0, 0, 0,    1, 0,    0,    0,
                        0,  0, 0,  0x10, 0x80, 0, 0, 0xAA, 0, 0x38, 0x9B, 0x71};
    WriteFile(out / "made-extensible.wav", BuildWav(extensible));
}

// The generated sound's format with only its first samples.
void CutWav(const fs::path& from, const fs::path& to) {
    constexpr size_t KEEP = 512;
    const Bytes bytes = ReadFile(from);
    WavParts parts;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        const uint32_t size = ReadU32(bytes, at + 4);
        const size_t body = at + 8;
        if (body + size > bytes.size()) {
            break;
        }
        if (std::equal(bytes.begin() + at, bytes.begin() + at + 4, "fmt ") && size >= 16) {
            parts.code = static_cast<uint16_t>(bytes[body] | bytes[body + 1] << 8);
            parts.channels = static_cast<uint16_t>(bytes[body + 2] | bytes[body + 3] << 8);
            parts.rate = ReadU32(bytes, body + 4);
            parts.bits = static_cast<uint16_t>(bytes[body + 14] | bytes[body + 15] << 8);
            haveFormat = true;
        } else if (std::equal(bytes.begin() + at, bytes.begin() + at + 4, "data") && haveFormat) {
            const size_t keep = std::min<size_t>(size, KEEP);
            parts.samples.assign(bytes.begin() + body, bytes.begin() + body + keep);
            WriteFile(to, BuildWav(parts));
            return;
        }
        at = body + size + (size & 1);
    }
}

void Wavs(const fs::path& data, const fs::path& out) {
    MadeWavs(out);
    for (const auto& file : FilesWithExtension(data / "Sound", ".wav")) {
        CutWav(file, out / ("cut-" + file.filename().string()));
    }
}

// ---- Music ----------------------------------------------------------------

uint32_t OggCrc(const uint8_t* bytes, size_t size) {
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= uint32_t{bytes[i]} << 24;
        for (int bit = 0; bit < 8; ++bit) {
            crc = crc & 0x80000000u ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
        }
    }
    return crc;
}

// The first pages of a generated stream: its headers and a little sound, the
// last page marked as the stream's end.
void CutOgg(const fs::path& from, const fs::path& to) {
    constexpr size_t PAGE_HEADER = 27;
    constexpr int KEEP_PAGES = 4;
    const Bytes bytes = ReadFile(from);
    size_t at = 0;
    size_t lastPage = 0;
    for (int page = 0; page < KEEP_PAGES && at + PAGE_HEADER <= bytes.size(); ++page) {
        const size_t segments = bytes[at + 26];
        if (at + PAGE_HEADER + segments > bytes.size()) {
            return;
        }
        size_t body = 0;
        for (size_t i = 0; i < segments; ++i) {
            body += bytes[at + PAGE_HEADER + i];
        }
        lastPage = at;
        at += PAGE_HEADER + segments + body;
    }
    if (at > bytes.size() || at == 0) {
        return;
    }
    Bytes cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    cut[lastPage + 5] |= 0x04;
    std::fill(cut.begin() + static_cast<std::ptrdiff_t>(lastPage + 22),
              cut.begin() + static_cast<std::ptrdiff_t>(lastPage + 26), 0);
    const uint32_t crc = OggCrc(cut.data() + lastPage, cut.size() - lastPage);
    for (int i = 0; i < 4; ++i) {
        cut[lastPage + 22 + static_cast<size_t>(i)] = static_cast<uint8_t>(crc >> (8 * i));
    }
    WriteFile(to, cut);
}

// A short tone encoded with libvorbisenc.
Bytes EncodeOgg(int channels, int rate, int frames) {
    vorbis_info info;
    vorbis_info_init(&info);
    Bytes out;
    if (vorbis_encode_init_vbr(&info, channels, rate, 0.1f) != 0) {
        vorbis_info_clear(&info);
        return out;
    }
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 7);
    ogg_packet header, commentPacket, codebooks;
    vorbis_analysis_headerout(&dsp, &comment, &header, &commentPacket, &codebooks);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &commentPacket);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    auto append = [&out](const ogg_page& p) {
        out.insert(out.end(), p.header, p.header + p.header_len);
        out.insert(out.end(), p.body, p.body + p.body_len);
    };
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(page);
    }
    float** buffer = vorbis_analysis_buffer(&dsp, frames);
    for (int c = 0; c < channels; ++c) {
        for (int i = 0; i < frames; ++i) {
            buffer[c][i] =
                0.4f * std::sin(static_cast<float>(i) * 0.05f * static_cast<float>(c + 1));
        }
    }
    vorbis_analysis_wrote(&dsp, frames);
    vorbis_analysis_wrote(&dsp, 0);
    ogg_packet packet;
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
        vorbis_analysis(&block, nullptr);
        vorbis_bitrate_addblock(&block);
        while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
            ogg_stream_packetin(&stream, &packet);
            while (ogg_stream_pageout(&stream, &page) != 0) {
                append(page);
            }
        }
    }
    while (ogg_stream_flush(&stream, &page) != 0) {
        append(page);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

void Oggs(const fs::path& data, const fs::path& out) {
    WriteFile(out / "made-mono.ogg", EncodeOgg(1, 8000, 400));
    WriteFile(out / "made-stereo.ogg", EncodeOgg(2, 11025, 600));
    auto files = FilesWithExtension(data / "Music", ".ogg");
    const auto sounds = FilesWithExtension(data / "Sound", ".ogg");
    files.insert(files.end(), sounds.begin(), sounds.end());
    for (const auto& file : files) {
        CutOgg(file, out / ("cut-" + file.filename().string()));
    }
}

// ---- Fonts ----------------------------------------------------------------

void Fonts(const fs::path& data, const fs::path& out) {
    for (const auto& file : FilesWithExtension(data / "Fonts", ".ttf")) {
        fs::copy_file(file, out / file.filename(), fs::copy_options::overwrite_existing);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_seeds <Data folder or -> <corpus folder>\n");
        return 2;
    }
    const fs::path data = std::string(argv[1]) == "-" ? fs::path() : fs::path(argv[1]);
    const fs::path out = argv[2];
    for (const char* kind : {"png", "wav", "ogg", "font"}) {
        fs::create_directories(out / kind);
    }
    Pictures(data, out / "png");
    Wavs(data, out / "wav");
    Oggs(data, out / "ogg");
    Fonts(data, out / "font");
    return 0;
}
