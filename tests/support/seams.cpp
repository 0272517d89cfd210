#include "tests/support/seams.h"

#include <gtest/gtest.h>

namespace testing_support {

using platform::MsgButtons;
using platform::MsgResult;
using platform::MsgType;

ScriptedMessageBoxes::ScriptedMessageBoxes(std::initializer_list<MsgResult> answers)
    : m_answers(answers)
{
    m_previous = platform::SetMessageBoxHandler(
        [this](const QString& text, MsgType type, MsgButtons buttons) {
            return Show(text, type, buttons);
        });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    platform::SetMessageBoxHandler(std::move(m_previous));
}

QStringList ScriptedMessageBoxes::Texts() const
{
    QStringList texts;
    for (const Box& box : m_boxes)
        texts << box.text;
    return texts;
}

MsgResult ScriptedMessageBoxes::Show(const QString& text, MsgType type, MsgButtons buttons)
{
    m_boxes.push_back(Box{text, type, buttons});
    if (m_whileOpen)
        m_whileOpen(m_boxes.back());
    if (!m_answers.empty()) {
        const MsgResult answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (m_fallback)
        return *m_fallback;
    ADD_FAILURE() << "Unexpected message box: \"" << text.toStdString() << '"';
    return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Ok;
}

SoundRecorder::SoundRecorder()
{
    m_previous = platform::SetSoundHandler([this](const QString& name) { m_names << name; });
}

SoundRecorder::~SoundRecorder()
{
    platform::SetSoundHandler(std::move(m_previous));
}

ShellRecorder::ShellRecorder()
{
    m_previous = platform::SetShellHandler([this](const QString& verb, const QString& target) {
        m_requests.push_back(Request{verb, target});
    });
}

ShellRecorder::~ShellRecorder()
{
    platform::SetShellHandler(std::move(m_previous));
}

QStringList ShellRecorder::Targets() const
{
    QStringList targets;
    for (const Request& request : m_requests)
        targets << request.target;
    return targets;
}

FixedClock::FixedClock(const platform::SystemTime& time) : m_time(time)
{
    m_previous = platform::SetClockHandler([this] { return m_time; });
}

FixedClock::FixedClock(const QDateTime& utc) : FixedClock(platform::ToSystemTime(utc)) {}

FixedClock::~FixedClock()
{
    platform::SetClockHandler(std::move(m_previous));
}

SteppingClock::SteppingClock(const QDateTime& utcStart) : m_now(utcStart)
{
    m_previous = platform::SetClockHandler([this] {
        const platform::SystemTime time = platform::ToSystemTime(m_now);
        m_now = m_now.addMSecs(1);
        return time;
    });
}

SteppingClock::~SteppingClock()
{
    platform::SetClockHandler(std::move(m_previous));
}

} // namespace testing_support
