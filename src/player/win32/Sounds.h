#pragma once

#include "player/core/PlayerFront.h"

#include <string>

// The menu's sound channels: hover and click effects through PlaySoundW, the looping
// music and the scripts' sounds through MCI. A missing file or a computer without sound
// plays nothing.
class Sounds
{
public:
    Sounds() = default;
    ~Sounds();
    Sounds(const Sounds &) = delete;
    Sounds &operator=(const Sounds &) = delete;

    void play(SoundChannel channel, const std::wstring &path);
    void stop();

private:
    bool m_open[2] = {false, false}; // music, script
};
