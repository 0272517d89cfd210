#include "platform/soundpreloader.h"

#include "platform/sound.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform {

void SoundPreloader::InstallOnApplication()
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app)
        return;
    auto* preloader = new SoundPreloader;
    preloader->setParent(app);
    app->installEventFilter(preloader);
}

bool SoundPreloader::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::TouchBegin:
        QCoreApplication::instance()->removeEventFilter(this);
        deleteLater();
        PreloadSounds();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace platform
