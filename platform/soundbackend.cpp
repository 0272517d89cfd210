#include "platform/soundbackend.h"

#include "platform/installpaths.h"
#include "platform/soundmodule/soundmodule.h"
#include "platform/soundwave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibrary>

#include <utility>

namespace platform {

namespace {

constexpr char ModuleFile[] = "libveltosound.so";

} // namespace

SoundBackend::SoundBackend(QString modulePath)
    : m_modulePath(std::move(modulePath))
{
}

SoundBackend::~SoundBackend()
{
    WaitForLoad();
    if (m_player)
        m_module->close(m_player);
    // The module stays loaded: its library may have left exit handlers behind.
}

QString SoundBackend::ModulePath(const QString& appDir)
{
    const QString beside = QDir(appDir).filePath(QLatin1String(ModuleFile));
    if (!IsInstalledLayout(appDir) || QFileInfo::exists(beside))
        return beside;
    return QDir::cleanPath(appDir + QStringLiteral("/../") + QStringLiteral(VELTO_SOUND_MODULE_DIR)
                           + u'/' + QLatin1String(ModuleFile));
}

void SoundBackend::Preload()
{
    if (std::exchange(m_started, true))
        return;
    m_loader = std::thread([this] { Load(); });
}

void SoundBackend::Play(const QString& resourcePath)
{
    if (!std::exchange(m_started, true))
        Load();
    WaitForLoad();
    const auto id = m_ids.constFind(resourcePath);
    if (m_player && id != m_ids.constEnd())
        m_module->play(m_player, *id);
}

bool SoundBackend::IsConnected()
{
    WaitForLoad();
    return m_player != nullptr;
}

void SoundBackend::WaitForLoad()
{
    if (m_loader.joinable())
        m_loader.join();
}

void SoundBackend::Load()
{
    if (!QFileInfo::exists(m_modulePath))
        return;
    // Never unloaded (no QLibrary::unload): the sound server's library keeps
    // its own state until the process ends.
    QLibrary library(m_modulePath);
    const auto entry = reinterpret_cast<VeltoSoundModuleEntry>(library.resolve("velto_sound_module"));
    const VeltoSoundModule* module = entry ? entry() : nullptr;
    if (!module || module->version != VeltoSoundModuleVersion)
        return;
    void* player = module->open("Velto");
    if (!player)
        return;
    const QDir folder(QStringLiteral(":/sounds"));
    int next = 0;
    for (const QString& file : folder.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(file);
        QFile wave(path);
        if (!wave.open(QIODevice::ReadOnly))
            continue;
        const WaveSound sound = ParseWave(wave.readAll());
        if (!sound.IsValid())
            continue;
        const VeltoSoundFormat format = {sound.rate, static_cast<uint8_t>(sound.channels),
                                         static_cast<uint8_t>(sound.bitsPerSample)};
        if (module->add(player, next, &format, sound.pcm.constData(), size_t(sound.pcm.size())))
            m_ids.insert(path, next++);
    }
    m_module = module;
    m_player = player;
}

} // namespace platform
