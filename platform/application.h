#pragma once
// The application object: what the game and the card library ask of the
// running program (title, where the executable lives, help file, hint delay,
// pumping pending events, whether it is shutting down) and the event
// dispatch that turns the silent abort into "stop this handler, carry on".
#include <QApplication>
#include <QString>

namespace platform {

class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // The running Application, or nullptr when the QApplication is some other kind.
    static Application* instance();

    QString Title() const;
    void SetTitle(const QString& title);

    // Full path of the executable, and its folder with a trailing '/'.
    static QString ExeName();
    static QString ExeDir();

    QString HelpFile() const;
    void SetHelpFile(const QString& fileName);

    // Milliseconds before a hint (tool tip) shows; 0 shows it at once.
    int HintPause() const;
    void SetHintPause(int milliseconds);

    // Runs every pending event once and returns (never blocks).
    static void ProcessMessages();

    // True once the program has started to quit: the loops that pump events
    // (waits, flights) use it to stop early.
    static bool Terminated();
    static void Terminate();

    // Dispatch with the silent abort caught (nothing shown) and any other
    // exception reported in an error box, after which the program goes on.
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
