#pragma once

#include <string>

// The menu's sounds: short effects through PlaySoundW, the looping background music
// and the scripts' sounds and videos through MCI. A missing file or a computer without
// sound plays nothing.
class Sounds
{
public:
    Sounds() = default;
    ~Sounds();
    Sounds(const Sounds &) = delete;
    Sounds &operator=(const Sounds &) = delete;

    void playEffect(const std::wstring &path);
    void startMusic(const std::wstring &path);
    void play(const std::wstring &path);

private:
    static bool open(const std::wstring &path, const wchar_t *alias);

    bool m_music = false;
    bool m_sound = false;
};
