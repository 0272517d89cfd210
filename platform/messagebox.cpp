#include "platform/messagebox.h"

#include "platform/application.h"
#include "platform/modal.h"

#include <QMessageBox>

#include <utility>

namespace platform {

namespace {

MessageBoxHandler& messageBoxHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon iconFor(MsgType type)
{
    switch (type) {
    case MsgType::Information:
        return QMessageBox::Information;
    case MsgType::Warning:
        return QMessageBox::Warning;
    case MsgType::Confirmation:
        return QMessageBox::Question;
    case MsgType::Error:
        return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

QString caption()
{
    if (Application* app = Application::instance())
        return app->Title();
    return QCoreApplication::applicationName();
}

MsgResult showRealBox(const QString& text, MsgType type, MsgButtons buttons)
{
    const bool yesNo = buttons == MsgButtons::YesNo;
    QMessageBox box(iconFor(type), caption(), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    const int pressed = RunModal(box);
    if (!yesNo)
        return MsgResult::Ok;
    // Closing the box without a button (Escape, the window's close box) is a "No".
    return pressed == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
}

} // namespace

MsgResult MessageDlg(const QString& text, MsgType type, MsgButtons buttons)
{
    const MessageBoxHandler& handler = messageBoxHandler();
    return handler ? handler(text, type, buttons) : showRealBox(text, type, buttons);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    return std::exchange(messageBoxHandler(), std::move(handler));
}

} // namespace platform
