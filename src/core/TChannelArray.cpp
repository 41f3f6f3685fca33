#include "core/TChannelArray.h"

#include "platform/Sound.h"

std::shared_ptr<TChannelArray> TChannelArray::Create(int count) {
    auto pool = std::make_shared<TChannelArray>();
    for (int i = 0; i < count; ++i) {
        pool->AddLast(std::make_shared<TChannel>());
    }
    pool->currentChannel = As<TChannel>(pool->First());
    return pool;
}

TChannelPtr TChannelArray::After(const TChannelPtr& channel) const {
    bool found = false;
    for (const auto& member : *this) {
        if (found) {
            return As<TChannel>(member);
        }
        found = member == channel;
    }
    return As<TChannel>(First());
}

TChannelPtr TChannelArray::GetChannel() {
    const TChannelPtr start = currentChannel;
    for (int step = 0; step < Count(); ++step) {
        currentChannel = After(currentChannel);
        if (currentChannel == start) {
            return nullptr;
        }
        if (!ChannelPlaying(currentChannel)) {
            return currentChannel;
        }
    }
    return nullptr;
}

int TChannelArray::Kill() {
    for (const auto& member : *this) {
        StopChannel(As<TChannel>(member));
    }
    Clear();
    currentChannel.reset();
    return 0;
}

int TChannelArray::StopSingleChannel(const TChannelPtr& channel) {
    StopChannel(channel);
    Remove(channel);
    auto placeholder = std::make_shared<TChannel>();
    AddLast(placeholder);
    currentChannel = placeholder;
    return 0;
}
