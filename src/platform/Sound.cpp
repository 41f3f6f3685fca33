#include "platform/Sound.h"

#include <cstdint>
#include <fstream>
#include <memory>
#include <optional>
#include <vector>

#include "platform/FilePath.h"
#include "platform/OggDecoder.h"
#include "platform/TAudioDevice.h"
#include "platform/WavDecoder.h"

namespace {

constexpr int FLAG_LOOP = 1;

std::optional<std::vector<uint8_t>> ReadWholeFile(const std::string& path) {
    std::ifstream file(ResolvePath(path), std::ios::binary | std::ios::ate);
    if (!file) {
        return std::nullopt;
    }
    const std::streamoff size = file.tellg();
    if (size <= 0 || size > AudioLimits::MAX_FILE_BYTES) {
        return std::nullopt;
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), size)) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<TAudioData> Decode(const std::vector<uint8_t>& bytes) {
    if (LooksLikeWav(bytes)) {
        return DecodeWav(bytes);
    }
    if (LooksLikeOgg(bytes)) {
        return DecodeOgg(bytes);
    }
    return std::nullopt;
}

TAudioDevice& UpdatedDevice() {
    auto& device = TAudioDevice::Instance();
    device.Update();
    return device;
}

} // namespace

TSoundPtr LoadSound(const std::string& path, int flags) {
    const auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return nullptr;
    }
    const auto audio = Decode(*bytes);
    if (!audio) {
        return nullptr;
    }
    return TSound::Create(*audio, (flags & FLAG_LOOP) != 0);
}

TSoundPtr StreamSound(const std::string& path, int flags) {
    auto bytes = ReadWholeFile(path);
    if (!bytes) {
        return nullptr;
    }
    if (!LooksLikeOgg(*bytes)) {
        const auto audio = Decode(*bytes);
        return audio ? TSound::Create(*audio, (flags & FLAG_LOOP) != 0) : nullptr;
    }
    const auto info = ProbeOgg(*bytes);
    if (!info) {
        return nullptr;
    }
    auto file = std::make_shared<const std::vector<uint8_t>>(std::move(*bytes));
    return TSound::CreateStreamed(std::move(file), info->channels, info->rate, info->frames,
                                  (flags & FLAG_LOOP) != 0);
}

TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel) {
    auto& device = UpdatedDevice();
    if (channel) {
        channel->Stop();
    }
    return sound ? device.Cue(sound) : nullptr;
}

int SetChannelVolume(const TChannelPtr& channel, float volume) {
    UpdatedDevice();
    if (channel) {
        channel->SetVolume(volume);
    }
    return 0;
}

int SetChannelRate(const TChannelPtr& channel, float rate) {
    UpdatedDevice();
    if (channel) {
        channel->SetRate(rate);
    }
    return 0;
}

int ResumeChannel(const TChannelPtr& channel) {
    UpdatedDevice();
    if (channel) {
        channel->Resume();
    }
    return 0;
}

int ChannelPlaying(const TChannelPtr& channel) {
    UpdatedDevice();
    return channel && channel->Playing() ? 1 : 0;
}

int StopChannel(const TChannelPtr& channel) {
    UpdatedDevice();
    if (channel) {
        channel->Stop();
    }
    return 0;
}
