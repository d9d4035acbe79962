#include "player/win32/Sounds.h"

#include <windows.h>
#include <mmsystem.h>

namespace {

bool exists(const std::wstring &path)
{
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

Sounds::~Sounds()
{
    PlaySoundW(nullptr, nullptr, 0);
    if (m_music)
        mciSendStringW(L"close zepmusique", nullptr, 0, nullptr);
    if (m_sound)
        mciSendStringW(L"close zepson", nullptr, 0, nullptr);
}

bool Sounds::open(const std::wstring &path, const wchar_t *alias)
{
    if (!exists(path))
        return false;
    // The DirectShow device reads WAV, MP3, MIDI and videos alike, and can repeat.
    const std::wstring command = L"open \"" + path + L"\" type mpegvideo alias " + alias;
    return mciSendStringW(command.c_str(), nullptr, 0, nullptr) == 0;
}

void Sounds::playEffect(const std::wstring &path)
{
    if (exists(path))
        PlaySoundW(path.c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
}

void Sounds::startMusic(const std::wstring &path)
{
    if (m_music)
        mciSendStringW(L"close zepmusique", nullptr, 0, nullptr);
    m_music = open(path, L"zepmusique");
    if (m_music)
        mciSendStringW(L"play zepmusique repeat", nullptr, 0, nullptr);
}

void Sounds::play(const std::wstring &path)
{
    if (m_sound)
        mciSendStringW(L"close zepson", nullptr, 0, nullptr);
    m_sound = open(path, L"zepson");
    if (m_sound)
        mciSendStringW(L"play zepson", nullptr, 0, nullptr);
}
