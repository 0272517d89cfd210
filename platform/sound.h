#pragma once
// Named wave sounds from the program's own resources, played asynchronously.
#include <QString>
#include <functional>

namespace platform {

using SoundHandler = std::function<void(const QString& name)>;

// Plays ":/sounds/<name>.wav" (name matched without regard to case) and returns
// at once; a new sound replaces one still playing; silent without an audio device.
// Returns false when no such sound exists.
bool PlaySoundResource(const QString& name);

// Replaces the player (a test records the names); empty restores it. Returns the previous one.
// While a handler is set, PlaySoundResource hands it every name and returns true.
SoundHandler SetSoundHandler(SoundHandler handler);

// Gets the real player ready on a thread of its own (the sound module and
// its connection to the sound server), so that the first sound comes on
// time without slowing the start; the program has it called at the user's
// first input (soundpreloader.h). Without it the first sound does that work
// itself. No effect while a handler is set.
void PreloadSounds();

// The resource path (":/sounds/<File>.wav") that name plays, or an empty
// string when the program has no such sound.
QString SoundResourcePath(const QString& name);

} // namespace platform
