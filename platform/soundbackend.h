#pragma once
// The real player behind PlaySoundResource: the sound module
// (libveltosound.so), loaded by path with everything it needs only when
// sounds are first wanted, then connected to the sound server with every
// sound of ":/sounds" handed over. Missing module, no server, a broken
// sound: each one just leaves the program silent.
#include <QHash>
#include <QString>

#include <thread>

struct VeltoSoundModule;

namespace platform {

class SoundBackend
{
public:
    explicit SoundBackend(QString modulePath);
    // Waits for a load under way, then stops every sound and disconnects.
    ~SoundBackend();

    SoundBackend(const SoundBackend&) = delete;
    SoundBackend& operator=(const SoundBackend&) = delete;

    // Where the program's module is, for an executable in appDir: beside it
    // in a build or an unpacked copy, <prefix>/lib/velto/ when installed.
    // The first path when the module is in neither place.
    static QString ModulePath(const QString& appDir);

    // Starts the load on a thread of its own; no effect after the first call
    // or once a sound has played.
    void Preload();
    // Plays the sound of that resource path (":/sounds/<File>.wav") and
    // returns at once; a load under way is waited for, and done here when
    // nothing started it.
    void Play(const QString& resourcePath);
    // True once the module is loaded and connected to a sound server; waits
    // for a load under way, and does not start one.
    bool IsConnected();

private:
    void Load();
    void WaitForLoad();

    QString m_modulePath;
    bool m_started = false;
    std::thread m_loader;
    // Written by the load only, read after it has finished.
    const VeltoSoundModule* m_module = nullptr;
    void* m_player = nullptr;
    QHash<QString, int> m_ids; // resource path to the module's id
};

} // namespace platform
