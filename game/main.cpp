// The program: one window, the game table, until it closes.
#include "game/commandline.h"
#include "game/mainform.h"
#include "game/solo/gamedialogs.h"
#include "platform/application.h"
#include "platform/firstframe.h"
#include "platform/soundpreloader.h"
#include "platform/termination.h"
#include "platform/translations.h"

#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when it finds no display; say it plainly instead.
bool HasDisplay()
{
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value && *value;
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
}

} // namespace

int main(int argc, char** argv)
{
    if (!HasDisplay()) {
        std::fprintf(stderr, "velto: no display to open a window on; run it under a virtual one: xvfb-run -a %s\n",
                     argc > 0 ? argv[0] : "velto");
        return 1;
    }

    // Read before Qt sees them: Qt takes "--name" for a window name of its own.
    QStringList Arguments;
    for (int I = 1; I < argc; ++I)
        Arguments << QString::fromLocal8Bit(argv[I]);
    const TCommandLine Line = TCommandLine::Parse(Arguments);

    platform::Application app(argc, argv);
    // Before the first window: every text is read as the window is made.
    platform::InstallUserLanguage();
    app.SetTitle(QStringLiteral("Velto"));
    // The desktop entry's name lets a Wayland desktop match the window to it.
    app.setDesktopFileName(QStringLiteral("com.gorvane.velto"));
    if (!Line.Error.isEmpty()) {
        std::fprintf(stderr, "velto: %s\n", qPrintable(Line.Error));
        return 2;
    }

    TMainForm MainForm;
    MainForm.show();
    // The icon comes once the table is on the screen: its eight sizes are
    // decoded and handed to the window system whole (some 1 MB of memory at
    // its peak), for a picture that only the window list and title bar show.
    platform::AfterFirstPaint(MainForm, [&app] {
        QIcon icon;
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
            icon.addFile(QStringLiteral(":/icons/velto-%1.png").arg(size), QSize(size, size));
        app.setWindowIcon(icon);
    });
    // A race from the command line starts once the window is up.
    if (Line.Host || !Line.Join.isEmpty()) {
        const QString Name = Line.Name.isEmpty() ? DefaultPlayerName() : Line.Name;
        QTimer::singleShot(0, &MainForm, [&MainForm, Line, Name] {
            if (Line.Host)
                MainForm.HostRace(Name, Line.Port, Line.Accept);
            else
                MainForm.JoinRace(Name, Line.Join);
        });
    }
    // The end of the session (or kill, or Ctrl+C) ends the program at once,
    // wherever it stands, with everything written: nobody is there to
    // answer a question, and a program that lingers is killed unsaved.
    platform::TerminationRequests Termination;
    Termination.SetHandler([&MainForm](int) {
        MainForm.Terminate();
        platform::ExitNow(0);
    });
    // The sound player loads on a thread of its own at the first click or
    // key, well before the first card of a deal can sound.
    platform::SoundPreloader::InstallOnApplication();
    return app.exec();
}
