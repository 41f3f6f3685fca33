#pragma once

// Small sound files made on the spot for the sound tests and benchmarks.

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace soundfiles {

// Interleaved 16-bit samples of a sine tone, the same in every channel.
inline std::vector<int16_t> Tone(double seconds, int rate, int channels = 1, double amplitude = 0.5,
                                 double hertz = 440.0) {
    const auto frames = static_cast<size_t>(seconds * rate);
    std::vector<int16_t> samples(frames * static_cast<size_t>(channels));
    for (size_t i = 0; i < frames; ++i) {
        const double value = amplitude * std::sin(2.0 * M_PI * hertz * i / rate);
        for (int c = 0; c < channels; ++c) {
            samples[i * channels + c] = static_cast<int16_t>(std::lround(value * 32767.0));
        }
    }
    return samples;
}

inline void PutU16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

inline void PutU32(std::vector<uint8_t>& out, uint32_t value) {
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

inline void PutTag(std::vector<uint8_t>& out, const char* tag) {
    // One byte at a time: GCC 12 mistakes a ranged insert into an empty vector
    // for an overflow.
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(tag[i]));
    }
}

// A RIFF WAVE file of samples; with bits 8 they are stored as unsigned bytes.
inline std::vector<uint8_t> Wav(const std::vector<int16_t>& samples, int channels, int rate,
                                int bits = 16) {
    const auto dataBytes = static_cast<uint32_t>(samples.size() * (bits / 8));
    std::vector<uint8_t> out;
    PutTag(out, "RIFF");
    PutU32(out, 4 + 8 + 16 + 8 + dataBytes + (dataBytes & 1));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    PutU32(out, 16);
    PutU16(out, 1);
    PutU16(out, static_cast<uint32_t>(channels));
    PutU32(out, static_cast<uint32_t>(rate));
    PutU32(out, static_cast<uint32_t>(rate * channels * bits / 8));
    PutU16(out, static_cast<uint32_t>(channels * bits / 8));
    PutU16(out, static_cast<uint32_t>(bits));
    PutTag(out, "data");
    PutU32(out, dataBytes);
    for (int16_t sample : samples) {
        if (bits == 8) {
            out.push_back(static_cast<uint8_t>((sample >> 8) + 128));
        } else {
            PutU16(out, static_cast<uint16_t>(sample));
        }
    }
    if (dataBytes & 1) {
        out.push_back(0);
    }
    return out;
}

// An Ogg Vorbis file of samples, encoded with libvorbisenc.
inline std::vector<uint8_t> Ogg(const std::vector<int16_t>& samples, int channels, int rate,
                                float quality = 0.3f) {
    std::vector<uint8_t> out;
    vorbis_info info;
    vorbis_info_init(&info);
    vorbis_encode_init_vbr(&info, channels, rate, quality);
    vorbis_comment comment;
    vorbis_comment_init(&comment);
    vorbis_dsp_state dsp;
    vorbis_analysis_init(&dsp, &info);
    vorbis_block block;
    vorbis_block_init(&dsp, &block);
    ogg_stream_state stream;
    ogg_stream_init(&stream, 1);
    ogg_page page;
    ogg_packet packet;
    auto putPage = [&out](const ogg_page& p) {
        out.insert(out.end(), p.header, p.header + p.header_len);
        out.insert(out.end(), p.body, p.body + p.body_len);
    };
    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&stream, &header);
    ogg_stream_packetin(&stream, &headerComment);
    ogg_stream_packetin(&stream, &headerCode);
    while (ogg_stream_flush(&stream, &page) != 0) {
        putPage(page);
    }
    auto drain = [&] {
        while (vorbis_analysis_blockout(&dsp, &block) == 1) {
            vorbis_analysis(&block, nullptr);
            vorbis_bitrate_addblock(&block);
            while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
                ogg_stream_packetin(&stream, &packet);
                while (ogg_stream_pageout(&stream, &page) != 0) {
                    putPage(page);
                }
            }
        }
    };
    const size_t frames = samples.size() / channels;
    constexpr size_t CHUNK = 4096;
    for (size_t at = 0; at < frames; at += CHUNK) {
        const size_t count = std::min(CHUNK, frames - at);
        float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
        for (size_t i = 0; i < count; ++i) {
            for (int c = 0; c < channels; ++c) {
                buffer[c][i] = samples[(at + i) * channels + c] / 32768.0f;
            }
        }
        vorbis_analysis_wrote(&dsp, static_cast<int>(count));
        drain();
    }
    vorbis_analysis_wrote(&dsp, 0);
    drain();
    while (ogg_stream_flush(&stream, &page) != 0) {
        putPage(page);
    }
    ogg_stream_clear(&stream);
    vorbis_block_clear(&block);
    vorbis_dsp_clear(&dsp);
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
    return out;
}

// A folder of its own under the system's temporary folder, removed with it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brindlewick-sound-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // Writes bytes to name inside the folder and returns its path.
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
        const auto file = path_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return file.string();
    }
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace soundfiles
