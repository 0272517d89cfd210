#include "platform/sound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDir>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace platform {

namespace {

SoundHandler& soundHandler()
{
    static SoundHandler handler;
    return handler;
}

// The one player: a new sound replaces whatever it is still playing. It is
// made on first use and goes before the application does.
QSoundEffect* player = nullptr;

void dropPlayer()
{
    delete player;
    player = nullptr;
}

void playResource(const QString& path)
{
    if (QMediaDevices::audioOutputs().isEmpty())
        return; // no device: stay silent rather than let the backend complain
    if (!player) {
        player = new QSoundEffect;
        qAddPostRoutine(dropPlayer);
    }
    const QUrl source(QLatin1String("qrc") + path);
    player->stop();
    if (player->source() != source)
        player->setSource(source);
    player->play();
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
    playResource(path);
    return true;
}

SoundHandler SetSoundHandler(SoundHandler handler)
{
    return std::exchange(soundHandler(), std::move(handler));
}

} // namespace platform
