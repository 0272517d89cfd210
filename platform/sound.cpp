#include "platform/sound.h"

#include "platform/soundbackend.h"

#include <QCoreApplication>
#include <QDir>

#include <utility>

namespace platform {

namespace {

SoundHandler& soundHandler()
{
    static SoundHandler handler;
    return handler;
}

// The one player, made on first use; it goes with the application, before
// the libraries it uses do.
SoundBackend* backend = nullptr;

void dropBackend()
{
    delete backend;
    backend = nullptr;
}

SoundBackend& theBackend()
{
    if (!backend) {
        backend = new SoundBackend(SoundBackend::ModulePath(QCoreApplication::applicationDirPath()));
        qAddPostRoutine(dropBackend);
    }
    return *backend;
}

} // namespace

QString SoundResourcePath(const QString& name)
{
    if (name.isEmpty() || name.contains(QLatin1Char('/')))
        return QString();
    const QString wanted = name + QLatin1String(".wav");
    const QDir folder(QStringLiteral(":/sounds"));
    const QStringList files = folder.entryList(QDir::Files, QDir::Name);
    for (const QString& file : files) {
        if (file.compare(wanted, Qt::CaseInsensitive) == 0)
            return folder.filePath(file);
    }
    return QString();
}

bool PlaySoundResource(const QString& name)
{
    const SoundHandler& handler = soundHandler();
    if (handler) {
        handler(name);
        return true;
    }
    const QString path = SoundResourcePath(name);
    if (path.isEmpty())
        return false;
    theBackend().Play(path);
    return true;
}

void PreloadSounds()
{
    if (!soundHandler())
        theBackend().Preload();
}

SoundHandler SetSoundHandler(SoundHandler handler)
{
    return std::exchange(soundHandler(), std::move(handler));
}

} // namespace platform
