#include "platform/messagebox.h"

#include "platform/application.h"
#include "platform/modal.h"

#include <QAbstractButton>
#include <QHash>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

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

// A new box gives each of its buttons a new icon, and Qt caches the pixmap
// of every icon it paints under that icon's own key: each box would leave
// dead entries behind (about 2 kB a deal on X11), never looked up again and
// only dropped when the pixmap cache reaches its limit of megabytes, after
// thousands of boxes. So every box's buttons show the same icon for the
// same button, and the cache keeps one entry for each. Kept by the
// application and gone with it.
class ButtonIcons : public QObject
{
public:
    static void Share(QMessageBox& box)
    {
        static QPointer<ButtonIcons> icons;
        if (!icons)
            icons = new ButtonIcons(QCoreApplication::instance());
        for (QAbstractButton* button : box.buttons()) {
            if (button->icon().isNull())
                continue; // the style shows none
            const auto kept = icons->m_icons.constFind(box.standardButton(button));
            if (kept == icons->m_icons.cend())
                icons->m_icons.insert(box.standardButton(button), button->icon());
            else
                button->setIcon(*kept);
        }
    }

private:
    explicit ButtonIcons(QObject* parent) : QObject(parent) {}

    QHash<int, QIcon> m_icons;
};

MsgResult showRealBox(const QString& text, MsgType type, MsgButtons buttons)
{
    const bool yesNo = buttons == MsgButtons::YesNo;
    QMessageBox box(iconFor(type), caption(), text,
                    yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::Ok);
    // A box's text often carries what the other player sent (a name, the
    // reason of a refusal): shown as rich text, a name could be a link that
    // opens the browser, or a heading.
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    ButtonIcons::Share(box);
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
