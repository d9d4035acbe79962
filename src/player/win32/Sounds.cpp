#include "player/win32/Sounds.h"

#include "player/win32/Winmm.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

const wchar_t *const kAliases[2] = {L"zepmusique", L"zepson"};

bool exists(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void send(const std::wstring &command)
{
    winmm::mciSend(command.c_str());
}

} // namespace

Sounds::~Sounds()
{
    stop();
}

void Sounds::play(SoundChannel channel, const std::wstring &path)
{
    if (channel == SoundChannel::Hover || channel == SoundChannel::Click) {
        if (exists(path))
            winmm::playSound(path.c_str(), SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
        return;
    }
    const int index = channel == SoundChannel::Music ? 0 : 1;
    const std::wstring alias = kAliases[index];
    if (m_open[index])
        send(L"close " + alias);
    m_open[index] = false;
    if (!exists(path))
        return;
    // The DirectShow device reads WAV, MP3 and MIDI alike, and can repeat.
    m_open[index] = winmm::mciSend((L"open \"" + path + L"\" type mpegvideo alias " + alias).c_str());
    if (m_open[index])
        send(L"play " + alias + (channel == SoundChannel::Music ? L" repeat" : L""));
}

void Sounds::stop()
{
    winmm::playSound(nullptr, 0);
    for (int index = 0; index < 2; ++index) {
        if (m_open[index])
            send(std::wstring(L"close ") + kAliases[index]);
        m_open[index] = false;
    }
}
