#include "Audio.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <numbers>
#include <stdexcept>

namespace datagen {

namespace {

double toDb(double amplitude) {
    return amplitude > 1e-10 ? 20.0 * std::log10(amplitude) : -200.0;
}

template <typename F> void forEachChannel(Sound& sound, F&& f) {
    f(sound.left);
    if (sound.stereo()) {
        f(sound.right);
    }
}

std::int16_t toPcm(float v) {
    const float scaled = std::clamp(v, -1.0f, 1.0f) * 32767.0f;
    return static_cast<std::int16_t>(std::lround(scaled));
}

void putLe(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

} // namespace

SoundStats measure(const Sound& sound) {
    double peak = 0.0;
    double sumSquares = 0.0;
    std::size_t count = 0;
    auto scan = [&](const std::vector<float>& channel) {
        for (float v : channel) {
            peak = std::max(peak, static_cast<double>(std::fabs(v)));
            sumSquares += static_cast<double>(v) * v;
        }
        count += channel.size();
    };
    scan(sound.left);
    scan(sound.right);
    SoundStats stats;
    stats.seconds = sound.seconds();
    stats.peakDb = toDb(peak);
    stats.rmsDb = count > 0 ? toDb(std::sqrt(sumSquares / static_cast<double>(count))) : -200.0;
    return stats;
}

void normalize(Sound& sound, double peakDb) {
    float peak = 0.0f;
    forEachChannel(sound, [&](std::vector<float>& ch) {
        for (float v : ch) {
            peak = std::max(peak, std::fabs(v));
        }
    });
    if (peak <= 0.0f) {
        return;
    }
    const auto gain = static_cast<float>(std::pow(10.0, peakDb / 20.0) / peak);
    forEachChannel(sound, [&](std::vector<float>& ch) {
        for (float& v : ch) {
            v *= gain;
        }
    });
}

void fadeEdges(Sound& sound, double inSeconds, double outSeconds) {
    const std::size_t n = sound.frames();
    const auto inLen = std::min(n, static_cast<std::size_t>(inSeconds * kSampleRate));
    const auto outLen = std::min(n, static_cast<std::size_t>(outSeconds * kSampleRate));
    forEachChannel(sound, [&](std::vector<float>& ch) {
        for (std::size_t i = 0; i < inLen; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(inLen);
            ch[i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * t));
        }
        for (std::size_t i = 0; i < outLen; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(outLen);
            ch[n - 1 - i] *= static_cast<float>(0.5 - 0.5 * std::cos(std::numbers::pi * t));
        }
    });
}

void writeWav(const std::filesystem::path& path, const Sound& sound) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
    const std::uint32_t channels = sound.stereo() ? 2 : 1;
    const auto dataBytes = static_cast<std::uint32_t>(sound.frames() * channels * 2);
    out.write("RIFF", 4);
    putLe(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    putLe(out, 16, 4);
    putLe(out, 1, 2); // PCM
    putLe(out, channels, 2);
    putLe(out, kSampleRate, 4);
    putLe(out, kSampleRate * channels * 2, 4);
    putLe(out, channels * 2, 2);
    putLe(out, 16, 2);
    out.write("data", 4);
    putLe(out, dataBytes, 4);
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        putLe(out, static_cast<std::uint16_t>(toPcm(sound.left[i])), 2);
        if (channels == 2) {
            putLe(out, static_cast<std::uint16_t>(toPcm(sound.right[i])), 2);
        }
    }
}

namespace {

// Owns the libvorbis / libogg encoder state for one stream.
class VorbisEncoder {
public:
    VorbisEncoder(int channels, float quality, int serial) {
        vorbis_info_init(&info_);
        if (vorbis_encode_init_vbr(&info_, channels, kSampleRate, quality) != 0) {
            vorbis_info_clear(&info_);
            throw std::runtime_error("vorbis: unsupported encoder settings");
        }
        vorbis_comment_init(&comment_);
        vorbis_analysis_init(&dsp_, &info_);
        vorbis_block_init(&dsp_, &block_);
        ogg_stream_init(&stream_, serial);
    }
    ~VorbisEncoder() {
        ogg_stream_clear(&stream_);
        vorbis_block_clear(&block_);
        vorbis_dsp_clear(&dsp_);
        vorbis_comment_clear(&comment_);
        vorbis_info_clear(&info_);
    }
    VorbisEncoder(const VorbisEncoder&) = delete;
    VorbisEncoder& operator=(const VorbisEncoder&) = delete;

    void writeHeaders(std::ofstream& out) {
        ogg_packet header, comments, codebooks;
        vorbis_analysis_headerout(&dsp_, &comment_, &header, &comments, &codebooks);
        ogg_stream_packetin(&stream_, &header);
        ogg_stream_packetin(&stream_, &comments);
        ogg_stream_packetin(&stream_, &codebooks);
        ogg_page page;
        while (ogg_stream_flush(&stream_, &page) != 0) {
            writePage(out, page);
        }
    }

    void encode(std::ofstream& out, const Sound& sound) {
        constexpr std::size_t kChunk = 1024;
        for (std::size_t pos = 0; pos < sound.frames(); pos += kChunk) {
            const std::size_t n = std::min(kChunk, sound.frames() - pos);
            float** buffer = vorbis_analysis_buffer(&dsp_, static_cast<int>(n));
            std::copy_n(sound.left.begin() + static_cast<std::ptrdiff_t>(pos), n, buffer[0]);
            if (sound.stereo()) {
                std::copy_n(sound.right.begin() + static_cast<std::ptrdiff_t>(pos), n, buffer[1]);
            }
            vorbis_analysis_wrote(&dsp_, static_cast<int>(n));
            drain(out);
        }
        vorbis_analysis_wrote(&dsp_, 0);
        drain(out);
    }

private:
    static void writePage(std::ofstream& out, const ogg_page& page) {
        out.write(reinterpret_cast<const char*>(page.header), page.header_len);
        out.write(reinterpret_cast<const char*>(page.body), page.body_len);
    }

    void drain(std::ofstream& out) {
        while (vorbis_analysis_blockout(&dsp_, &block_) == 1) {
            vorbis_analysis(&block_, nullptr);
            vorbis_bitrate_addblock(&block_);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&dsp_, &packet) != 0) {
                ogg_stream_packetin(&stream_, &packet);
                ogg_page page;
                while (ogg_stream_pageout(&stream_, &page) != 0) {
                    writePage(out, page);
                }
            }
        }
    }

    vorbis_info info_{};
    vorbis_comment comment_{};
    vorbis_dsp_state dsp_{};
    vorbis_block block_{};
    ogg_stream_state stream_{};
};

} // namespace

void writeOgg(const std::filesystem::path& path, const Sound& sound, float quality, int serial) {
    std::ofstream out(path, std::ios::binary);
    if (!out) {
        throw std::runtime_error("cannot write " + path.string());
    }
    VorbisEncoder encoder(sound.stereo() ? 2 : 1, quality, serial);
    encoder.writeHeaders(out);
    encoder.encode(out, sound);
}

} // namespace datagen
