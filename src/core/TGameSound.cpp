// The game object's music and sound-effect helpers.
#include "core/TChannelArray.h"
#include "core/TGame.h"
#include "platform/Exits.h"
#include "platform/Sound.h"

int TGame::LoadMusic(const std::string& file, int flags) {
    if (music) {
        // Tracks are long: they are decoded while they play, not here.
        currentMusic = StreamSound(musicPath + file, flags);
    }
    return 0;
}

std::shared_ptr<TSound> TGame::LoadGameSound(const std::string& file, int flags) {
    return LoadSound(soundPath + file, flags);
}

int TGame::PlayMusic() {
    // With no track loaded whatever plays goes on: there is nothing to replace it.
    if (!music || !currentMusic) {
        return 0;
    }
    StopMusic();
    musicChannel = CueSound(currentMusic);
    SetChannelVolume(musicChannel, musicVolume);
    ResumeChannel(musicChannel);
    return 0;
}

int TGame::StopMusic() {
    return StopSound(musicChannel);
}

int TGame::StopSound(std::shared_ptr<TChannel>& channel) {
    if (channel && ChannelPlaying(channel)) {
        StopChannel(channel);
        channel.reset();
    }
    return 0;
}

namespace {
std::shared_ptr<TChannel> StartEffect(const std::shared_ptr<TSound>& sound, float volume,
                                      float rate) {
    auto channel = CueSound(sound);
    SetChannelVolume(channel, volume);
    SetChannelRate(channel, rate);
    ResumeChannel(channel);
    return channel;
}
} // namespace

int TGame::PlayGameSound(const std::shared_ptr<TSound>& sound, std::shared_ptr<TChannel>& channel,
                         float volume, float rate) {
    if (!sound) {
        Print("PlayGameSound tried to play a null sound");
        return 0;
    }
    StopSound(channel);
    channel = StartEffect(sound, volume, rate);
    return 0;
}

std::shared_ptr<TChannel> TGame::PlayGameSound2(const std::shared_ptr<TSound>& sound,
                                                std::shared_ptr<TChannel> channel, float volume,
                                                float rate) {
    if (!sound) {
        Print("PlayGameSound2 tried to play a null sound");
        return nullptr;
    }
    if (!channel) {
        // The pool only decides whether the effect may play; it never plays on it.
        if (!channelArray || !channelArray->GetChannel()) {
            return nullptr;
        }
    } else {
        StopSound(channel);
    }
    return StartEffect(sound, volume, rate);
}
