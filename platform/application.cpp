#include "platform/application.h"

#include "platform/abort.h"
#include "platform/fonts.h"
#include "platform/messagebox.h"
#include "platform/modalkeys.h"

#include <QFileInfo>
#include <QProxyStyle>
#include <QStyle>

namespace platform {

namespace {

bool terminating = false;

// Answers the tool-tip wake-up delay with the application's hint pause.
class HintPauseStyle : public QProxyStyle
{
public:
    HintPauseStyle(const QString& baseStyle, int pause) : QProxyStyle(baseStyle), m_pause(pause) {}

    void SetPause(int pause) { m_pause = pause; }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay)
            return m_pause;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int m_pause;
};

// There is one application object per process, so its state lives here.
struct State
{
    QString title;
    QString helpFile;
    int hintPause = 500;
    HintPauseStyle* style = nullptr; // owned by the application once installed
    ModalKeyForwarder modalKeys;
};

State* d = nullptr;

} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    d = new State; // the destructor deletes it: there is one application at a time
    terminating = false;
    d->title = applicationName();
    // Every program on this layer (the game and its tests) draws the
    // layouts' fonts with the same installed families.
    InstallFontSubstitutions();
    installNativeEventFilter(&d->modalKeys);
    connect(this, &QCoreApplication::aboutToQuit, this, [] { terminating = true; });
}

Application::~Application()
{
    terminating = true;
    removeNativeEventFilter(&d->modalKeys);
    delete d;
    d = nullptr;
}

Application* Application::instance()
{
    return qobject_cast<Application*>(QCoreApplication::instance());
}

QString Application::Title() const
{
    return d->title;
}

void Application::SetTitle(const QString& title)
{
    d->title = title;
}

QString Application::ExeName()
{
    return QCoreApplication::applicationFilePath();
}

QString Application::ExeDir()
{
    QString dir = QCoreApplication::applicationDirPath();
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    return dir;
}

QString Application::HelpFile() const
{
    return d->helpFile;
}

void Application::SetHelpFile(const QString& fileName)
{
    d->helpFile = fileName;
}

int Application::HintPause() const
{
    return d->hintPause;
}

void Application::SetHintPause(int milliseconds)
{
    d->hintPause = qMax(0, milliseconds);
    // Installed once, over a fresh copy of the style in use (setStyle deletes
    // the old one and takes ownership of the proxy).
    if (!d->style || style() != d->style) {
        d->style = new HintPauseStyle(style()->name(), d->hintPause);
        setStyle(d->style);
    } else {
        d->style->SetPause(d->hintPause);
    }
}

void Application::ProcessMessages()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool Application::Terminated()
{
    return terminating || QCoreApplication::closingDown();
}

void Application::Terminate()
{
    terminating = true;
    QCoreApplication::quit();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const EAbort&) {
        // The silent abort: the handler is over, the program carries on.
    } catch (const std::exception& error) {
        MessageDlg(QString::fromUtf8(error.what()), MsgType::Error, MsgButtons::Ok);
    } catch (...) {
        MessageDlg(QCoreApplication::translate("platform::Application", "Unexpected error"), MsgType::Error, MsgButtons::Ok);
    }
    return false;
}

} // namespace platform
