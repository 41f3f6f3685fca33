#pragma once

#include <string>

#include "platform/TChannel.h"
#include "platform/TSound.h"

// Loads a WAV (PCM, 8 or 16 bit, mono or stereo) or Ogg Vorbis file; flags 1
// makes it loop for as long as its channel plays. Null when the file is
// missing or is not a sound this layer can read.
TSoundPtr LoadSound(const std::string& path, int flags = 0);
// As LoadSound, for long sounds such as music: an Ogg Vorbis file is only read
// and checked here (its headers, its end and its first moments), and decoded a
// little at a time while it plays. Other files load whole as with LoadSound.
TSoundPtr StreamSound(const std::string& path, int flags = 0);
// A new channel with sound ready at its start but paused. A channel passed in
// is stopped first. A null sound gives a null channel.
TChannelPtr CueSound(const TSoundPtr& sound, const TChannelPtr& channel = nullptr);
// 1.0 full loudness.
int SetChannelVolume(const TChannelPtr& channel, float volume);
// Speed factor, 1.0 the sound's own.
int SetChannelRate(const TChannelPtr& channel, float rate);
// Starts a cued channel.
int ResumeChannel(const TChannelPtr& channel);
// 1 from the cue until the sound ends or is stopped, otherwise 0.
int ChannelPlaying(const TChannelPtr& channel);
// Silence at once.
int StopChannel(const TChannelPtr& channel);
