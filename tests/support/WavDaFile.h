#pragma once
#include "app/CanaleAudio.h"
#include "app/Wav.h"

// A sound file opened and checked as the sound channel does it (found
// whatever the letter case of its name, then its header and chunk list).
inline AperturaWav ApriWav(const QString& percorso)
{
    FileSuono f = CanaleAudio::apriFile(percorso);
    if (!f.file)
        return {nullptr, f.motivo};
    return LettoreWav::apri(std::move(f.file));
}

// The same file decoded whole; nothing when it cannot be played.
inline std::optional<SuonoPcm> LeggiWav(const QString& percorso)
{
    AperturaWav a = ApriWav(percorso);
    return a.lettore ? DecodificaTutto(*a.lettore) : std::nullopt;
}
