// Sounds and the channels they play on.
#pragma once

#include "media/strings.h"

struct Sound;
struct Channel;
Sound* LoadSoundFile(const Str& path, int flags);
Channel* PlaySoundOn(Sound* s, Channel* ch);
void SetChannelVolume(Channel* ch, double v);
void PauseChannel(Channel* ch);
void ResumeChannel(Channel* ch);
int ChannelIsPlaying(Channel* ch);
double SoundLengthMs(const Sound* s);
