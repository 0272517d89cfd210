#pragma once
// Stand-ins for the replaceable platform seams. Each one installs itself for
// its lifetime and puts back whatever was there before, so tests can nest
// them and never leak a fake into the next test.
#include "platform/messagebox.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/systemclock.h"
#include "tests/support/qtprinters.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

namespace testing_support {

// Answers message boxes from a queue and records every box it was shown.
// A box with nothing left in the queue gets the fallback answer when one is
// set, and otherwise fails the test (and is answered Ok / No).
class ScriptedMessageBoxes
{
public:
    struct Box
    {
        QString text;
        platform::MsgType type;
        platform::MsgButtons buttons;
    };

    explicit ScriptedMessageBoxes(std::initializer_list<platform::MsgResult> answers = {});
    ~ScriptedMessageBoxes();
    ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
    ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;

    void Answer(platform::MsgResult answer) { m_answers.push_back(answer); }
    // The answer for every box once the queue is empty.
    void SetFallback(platform::MsgResult answer) { m_fallback = answer; }
    // Called with each box while it is open, before it is answered: the
    // place to look at what the program does while a question waits.
    void WhileOpen(std::function<void(const Box&)> look) { m_whileOpen = std::move(look); }

    const std::vector<Box>& Boxes() const { return m_boxes; }
    QStringList Texts() const;
    // Answers queued but not asked for.
    std::size_t Unused() const { return m_answers.size(); }

private:
    platform::MsgResult Show(const QString& text, platform::MsgType type,
                             platform::MsgButtons buttons);

    std::deque<platform::MsgResult> m_answers;
    std::optional<platform::MsgResult> m_fallback;
    std::function<void(const Box&)> m_whileOpen;
    std::vector<Box> m_boxes;
    platform::MessageBoxHandler m_previous;
};

// Records the names of the sounds played, in order; nothing is heard.
class SoundRecorder
{
public:
    SoundRecorder();
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    const QStringList& Names() const { return m_names; }
    void Clear() { m_names.clear(); }

private:
    QStringList m_names;
    platform::SoundHandler m_previous;
};

// Records every shell request as (verb, target); nothing is opened.
class ShellRecorder
{
public:
    struct Request
    {
        QString verb;
        QString target;
    };

    ShellRecorder();
    ~ShellRecorder();
    ShellRecorder(const ShellRecorder&) = delete;
    ShellRecorder& operator=(const ShellRecorder&) = delete;

    const std::vector<Request>& Requests() const { return m_requests; }
    QStringList Targets() const;

private:
    std::vector<Request> m_requests;
    platform::ShellHandler m_previous;
};

// The system clock stopped at a given UTC time until Set moves it.
class FixedClock
{
public:
    explicit FixedClock(const platform::SystemTime& time);
    explicit FixedClock(const QDateTime& utc);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

    void Set(const platform::SystemTime& time) { m_time = time; }
    void Set(const QDateTime& utc) { m_time = platform::ToSystemTime(utc); }
    const platform::SystemTime& Time() const { return m_time; }

private:
    platform::SystemTime m_time;
    platform::ClockHandler m_previous;
};

// A clock that moves on one millisecond every time it is read, so that two
// preparations of a deck never share a seed, yet every run is the same.
class SteppingClock
{
public:
    explicit SteppingClock(const QDateTime& utcStart);
    ~SteppingClock();
    SteppingClock(const SteppingClock&) = delete;
    SteppingClock& operator=(const SteppingClock&) = delete;

private:
    QDateTime m_now;
    platform::ClockHandler m_previous;
};

} // namespace testing_support
