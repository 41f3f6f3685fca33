#include "platform/TVorbisReader.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <cstring>

#include "platform/TAudioData.h"

namespace {
constexpr int HOST_ORDER = std::endian::native == std::endian::big ? 1 : 0;
constexpr int SIXTEEN_BIT = 2;
constexpr int SIGNED = 1;
// Most bytes asked of the decoder at once.
constexpr long MAX_READ_BYTES = 1 << 20;
} // namespace

size_t TVorbisReader::ReadMemory(void* destination, size_t size, size_t count, void* source) {
    auto& reader = *static_cast<MemoryReader*>(source);
    if (size == 0) {
        return 0;
    }
    const size_t available = (reader.bytes.size() - reader.position) / size;
    const size_t items = std::min(count, available);
    std::memcpy(destination, reader.bytes.data() + reader.position, items * size);
    reader.position += items * size;
    return items;
}

int TVorbisReader::SeekMemory(void* source, ogg_int64_t offset, int whence) {
    auto& reader = *static_cast<MemoryReader*>(source);
    const auto size = static_cast<ogg_int64_t>(reader.bytes.size());
    ogg_int64_t base = 0;
    if (whence == SEEK_CUR) {
        base = static_cast<ogg_int64_t>(reader.position);
    } else if (whence == SEEK_END) {
        base = size;
    }
    const ogg_int64_t target = base + offset;
    if (target < 0 || target > size) {
        return -1;
    }
    reader.position = static_cast<size_t>(target);
    return 0;
}

long TVorbisReader::TellMemory(void* source) {
    return static_cast<long>(static_cast<MemoryReader*>(source)->position);
}

TVorbisReader::TVorbisReader(std::span<const uint8_t> bytes) : reader_{bytes} {
    const ov_callbacks callbacks{ReadMemory, SeekMemory, nullptr, TellMemory};
    open_ = ov_open_callbacks(&reader_, &file_, nullptr, 0, callbacks) == 0;
    if (!open_) {
        return;
    }
    const vorbis_info* info = ov_info(&file_, -1);
    if (!info || (info->channels != 1 && info->channels != 2) ||
        info->rate < AudioLimits::MIN_RATE || info->rate > AudioLimits::MAX_RATE) {
        return;
    }
    channels_ = info->channels;
    rate_ = static_cast<int>(info->rate);
    usable_ = true;
}

TVorbisReader::~TVorbisReader() {
    if (open_) {
        ov_clear(&file_);
    }
}

int64_t TVorbisReader::TotalFrames() {
    if (!usable_) {
        return 0;
    }
    const ogg_int64_t total = ov_pcm_total(&file_, -1);
    return total > 0 ? total : 0;
}

long TVorbisReader::Read(int16_t* out, long maxFrames) {
    if (!usable_) {
        return -1;
    }
    const long frameBytes = static_cast<long>(channels_) * 2;
    const long bytes = std::min(maxFrames * frameBytes, MAX_READ_BYTES / frameBytes * frameBytes);
    if (bytes <= 0) {
        return 0;
    }
    for (;;) {
        int section = 0;
        const long got = ov_read(&file_, reinterpret_cast<char*>(out), static_cast<int>(bytes),
                                 HOST_ORDER, SIXTEEN_BIT, SIGNED, &section);
        if (got == OV_HOLE) {
            // A gap in the pages: what follows still decodes.
            continue;
        }
        if (got <= 0) {
            return got == 0 ? 0 : -1;
        }
        const vorbis_info* info = ov_info(&file_, section);
        if (!info || info->channels != channels_ || info->rate != rate_) {
            return -1;
        }
        return got / frameBytes;
    }
}

bool TVorbisReader::Seek(int64_t frame) {
    return usable_ && ov_pcm_seek(&file_, frame) == 0;
}

int64_t TVorbisReader::Position() {
    if (!usable_) {
        return 0;
    }
    const ogg_int64_t position = ov_pcm_tell(&file_);
    return position > 0 ? position : 0;
}
