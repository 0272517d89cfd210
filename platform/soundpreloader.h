#pragma once
// Starts PreloadSounds at the user's first key press, click or touch in the
// program. Every sound follows something the user did (a deal is always
// started by hand), so the player is ready in time, while a program that is
// only looked at never loads the sound server's library at all.
#include <QObject>

namespace platform {

class SoundPreloader : public QObject
{
public:
    // Watches every event of the application until the first input, then
    // preloads and deletes itself.
    static void InstallOnApplication();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SoundPreloader() = default;
};

} // namespace platform
