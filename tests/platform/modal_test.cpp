// The modal-dialog seam: a real modal run ends with the dialog's own result
// and shows the dialog in the middle of the screen; a handler gets the built
// dialog instead, unshown, and answers for it; the scripted stand-in runs its
// steps in order and puts the previous handler back.
#include "platform/application.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "tests/support/modaldialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace {

using testing_support::ScriptedModalDialogs;

// Presses the dialog's button from inside its modal loop (looking again until
// the dialog is up, so the test cannot hang on it).
int ExecAndPress(QDialog& dialog, QPushButton* button)
{
    QTimer presser;
    presser.setInterval(5);
    QObject::connect(&presser, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &dialog)
            return;
        presser.stop();
        button->click();
    });
    presser.start();
    return platform::ExecModal(dialog);
}

TEST(Modal, WithoutHandlerTheDialogRunsItsOwnLoop)
{
    for (const bool ok : {true, false}) {
        QDialog dialog;
        auto* okButton = new QPushButton(QStringLiteral("&Ok"), &dialog);
        auto* cancelButton = new QPushButton(QStringLiteral("&Cancel"), &dialog);
        QObject::connect(okButton, &QPushButton::clicked, &dialog, &QDialog::accept);
        QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
        EXPECT_EQ(ExecAndPress(dialog, ok ? okButton : cancelButton),
                  ok ? QDialog::Accepted : QDialog::Rejected);
        EXPECT_FALSE(dialog.isVisible());
    }
}

std::string Describe(const QRect& r)
{
    return QStringLiteral("%1x%2+%3+%4")
        .arg(r.width())
        .arg(r.height())
        .arg(r.x())
        .arg(r.y())
        .toStdString();
}

// Reads where the modal window is once it is up, then closes it (looking
// again until it is up, so the test cannot hang on it).
class FrameWhenUp
{
public:
    FrameWhenUp()
    {
        m_reader.setInterval(5);
        QObject::connect(&m_reader, &QTimer::timeout, [this] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            m_reader.stop();
            m_frame = dialog->frameGeometry();
            m_client = dialog->geometry();
            dialog->reject();
        });
        m_reader.start();
    }
    QRect Frame() const { return m_frame; }
    QRect Client() const { return m_client; }

private:
    QTimer m_reader;
    QRect m_frame;
    QRect m_client;
};

// Fixes its size only when it shows, as a message box works its size out.
class GrowsOnShow : public QDialog
{
protected:
    void showEvent(QShowEvent* event) override
    {
        setFixedSize(320, 160);
        QDialog::showEvent(event);
    }
};

// The offscreen platform's screen is 800 x 800 with nothing reserved, and it
// gives every window a frame 2 pixels wide all round, so a window sits in the
// middle when its frame's middle is at 400, 400. This platform also centres
// a window nobody has placed; a dialog placed elsewhere before shows that the
// run itself centres (on X11 without a window manager Qt would leave the
// dialogs off the middle; the end-to-end runs check that).
TEST(Modal, RealDialogsShowInTheMiddleOfTheScreen)
{
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 800, 800));

    const auto fixed = [] {
        auto dialog = std::make_unique<QDialog>();
        dialog->setFixedSize(200, 100);
        return dialog;
    };
    const auto movedAway = [] {
        auto dialog = std::make_unique<QDialog>();
        dialog->setFixedSize(200, 100);
        dialog->move(0, 0);
        return dialog;
    };
    const auto grows = []() -> std::unique_ptr<QDialog> {
        auto dialog = std::make_unique<GrowsOnShow>();
        dialog->setFixedSize(100, 50);
        return dialog;
    };
    // Sized by its layout when it shows: the child and the margins of 10.
    const auto laidOut = [] {
        auto dialog = std::make_unique<QDialog>();
        auto* layout = new QVBoxLayout(dialog.get());
        layout->setContentsMargins(10, 10, 10, 10);
        auto* child = new QWidget(dialog.get());
        child->setFixedSize(150, 80);
        layout->addWidget(child);
        return dialog;
    };
    const struct
    {
        const char* name;
        std::function<std::unique_ptr<QDialog>()> make;
        QRect client;
    } cases[] = {
        {"fixed size", fixed, QRect(300, 350, 200, 100)},
        {"moved elsewhere before", movedAway, QRect(300, 350, 200, 100)},
        {"size fixed on show", grows, QRect(240, 320, 320, 160)},
        {"sized by its layout", laidOut, QRect(315, 350, 170, 100)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::unique_ptr<QDialog> dialog = c.make();
        // Shown twice: the second time is placed like the first.
        for (int run = 0; run < 2; ++run) {
            const FrameWhenUp seen;
            EXPECT_EQ(platform::ExecModal(*dialog), QDialog::Rejected);
            EXPECT_EQ(seen.Client(), c.client) << Describe(seen.Client());
            EXPECT_EQ(seen.Frame(), c.client.marginsAdded(QMargins(2, 2, 2, 2)))
                << Describe(seen.Frame());
        }
    }
}

// A message box knows its size only once it shows; its middle is the
// screen's all the same, to the pixel its odd or even size allows.
TEST(Modal, RealMessageBoxesShowInTheMiddleOfTheScreen)
{
    for (const char* text :
         {"Quit game and exit?", "Changes require starting a new game, continue?\n"
                                 "A second line, longer than the first one by a good deal."}) {
        SCOPED_TRACE(text);
        const FrameWhenUp seen;
        platform::MessageDlg(QString::fromUtf8(text), platform::MsgType::Confirmation,
                             platform::MsgButtons::YesNo);
        const QRect frame = seen.Frame();
        ASSERT_TRUE(frame.isValid());
        EXPECT_GT(frame.width(), 100);
        // Twice the middle, so that an odd size counts half a pixel.
        EXPECT_NEAR(2 * frame.x() + frame.width(), 800, 1) << Describe(frame);
        EXPECT_NEAR(2 * frame.y() + frame.height(), 800, 1) << Describe(frame);
    }
}

TEST(Modal, HandlerGetsTheUnshownDialogAndAnswersForIt)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Name"));
    QDialog* seen = nullptr;
    bool wasVisible = true;
    const platform::ModalHandler before = platform::SetModalHandler([&](QDialog& d) {
        seen = &d;
        wasVisible = d.isVisible();
        d.accept();
        return d.result();
    });
    EXPECT_FALSE(before);
    EXPECT_EQ(platform::ExecModal(dialog), QDialog::Accepted);
    EXPECT_EQ(seen, &dialog);
    EXPECT_FALSE(wasVisible);
    EXPECT_TRUE(platform::SetModalHandler(nullptr));
}

TEST(Modal, ScriptedStepsRunInOrderAndThePreviousHandlerComesBack)
{
    int outerCalls = 0;
    const platform::ModalHandler before = platform::SetModalHandler([&](QDialog&) {
        ++outerCalls;
        return int(QDialog::Rejected);
    });
    {
        QDialog first;
        first.setWindowTitle(QStringLiteral("Options"));
        QDialog second;
        second.setWindowTitle(QStringLiteral("Name"));
        auto* okButton = new QPushButton(QStringLiteral("&Ok"), &second);
        QObject::connect(okButton, &QPushButton::clicked, &second, &QDialog::accept);

        // The first step opens the second dialog from inside the first, as the
        // options dialog opens the name dialog.
        ScriptedModalDialogs modals{
            [&](QDialog&) { return platform::ExecModal(second) == QDialog::Accepted ? 7 : 8; },
            ScriptedModalDialogs::For<QDialog>(
                [&](QDialog& d) { return testing_support::Press(d, okButton); }),
        };
        EXPECT_EQ(platform::ExecModal(first), 7);
        EXPECT_EQ(modals.Titles(),
                  (QStringList{QStringLiteral("Options"), QStringLiteral("Name")}));
        EXPECT_EQ(modals.Unused(), 0u);
    }
    QDialog third;
    EXPECT_EQ(platform::ExecModal(third), QDialog::Rejected);
    EXPECT_EQ(outerCalls, 1);
    platform::SetModalHandler(before);
}

// Looks at the modal window other than Under once it is up (looking again
// until it is, so the test cannot hang on it), then closes it.
class WhenUp
{
public:
    explicit WhenUp(std::function<void(QDialog&)> look, const QWidget* under = nullptr)
    {
        m_looker.setInterval(5);
        QObject::connect(&m_looker, &QTimer::timeout, [this, look = std::move(look), under] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog == under)
                return;
            m_looker.stop();
            look(*dialog);
            dialog->reject();
        });
        m_looker.start();
    }

private:
    QTimer m_looker;
};

// A window manager offers a minimise button on a dialog it takes for a window
// of its own, and minimising it left the game window blocked with nothing
// showing why. Every box and dialog is the transient of the window it
// blocks, and asks for no minimise or maximise button.
TEST(Modal, EveryBoxAndDialogBelongsToTheWindowItBlocks)
{
    QWidget game;
    game.setWindowTitle(QStringLiteral("Velto"));
    game.resize(300, 200);
    game.show();
    game.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game));

    const auto expectOwnedBy = [](QDialog& dialog, const QWidget& owner) {
        ASSERT_NE(dialog.windowHandle(), nullptr);
        EXPECT_EQ(dialog.windowHandle()->transientParent(), owner.windowHandle());
        EXPECT_FALSE(dialog.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    };
    const Qt::WindowFlags withButtons = Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    {
        SCOPED_TRACE("a dialog without a parent");
        QDialog dialog(nullptr, withButtons);
        const WhenUp look([&](QDialog& d) { expectOwnedBy(d, game); });
        platform::ExecModal(dialog);
    }
    {
        SCOPED_TRACE("a dialog with the window as parent");
        QDialog dialog(&game, withButtons);
        const WhenUp look([&](QDialog& d) { expectOwnedBy(d, game); });
        platform::ExecModal(dialog);
    }
    {
        SCOPED_TRACE("a message box");
        bool seen = false;
        const WhenUp look([&](QDialog& box) {
            seen = qobject_cast<QMessageBox*>(&box) != nullptr;
            expectOwnedBy(box, game);
        });
        platform::MessageDlg(QStringLiteral("Quit game and exit?"), platform::MsgType::Confirmation,
                             platform::MsgButtons::YesNo);
        EXPECT_TRUE(seen);
    }
    {
        SCOPED_TRACE("a message box over a dialog");
        QDialog options(nullptr, withButtons);
        bool seen = false;
        const WhenUp look([&](QDialog& d) {
            const WhenUp inner(
                [&](QDialog& box) {
                    seen = true;
                    expectOwnedBy(box, d);
                },
                &d);
            platform::MessageDlg(QStringLiteral("Changes require starting a new game, continue?"),
                                 platform::MsgType::Warning, platform::MsgButtons::YesNo);
        });
        platform::ExecModal(options);
        EXPECT_TRUE(seen);
    }
}

// The game's window has one size: the window manager learns it from the size
// hints, and a maximised or full-screen state returns to normal; minimised
// stays minimised.
TEST(Modal, AWindowOfOneSizeGoesBackToNormal)
{
    QWidget window(nullptr, Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    window.resize(320, 240);
    platform::KeepAtOneSize(window);
    EXPECT_EQ(window.minimumSize(), QSize(320, 240));
    EXPECT_EQ(window.maximumSize(), QSize(320, 240));
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    const struct
    {
        Qt::WindowStates asked;
        Qt::WindowStates kept;
    } cases[] = {
        {Qt::WindowMaximized, Qt::WindowNoState},
        {Qt::WindowFullScreen, Qt::WindowNoState},
        {Qt::WindowMaximized | Qt::WindowFullScreen, Qt::WindowNoState},
        {Qt::WindowMinimized | Qt::WindowMaximized, Qt::WindowMinimized},
        {Qt::WindowMinimized, Qt::WindowMinimized},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.asked));
        window.setWindowState(Qt::WindowNoState);
        window.setWindowState(c.asked);
        // The state goes back once the change has gone through.
        EXPECT_TRUE(QTest::qWaitFor([&] { return window.windowState() == c.kept; }))
            << int(window.windowState());
        EXPECT_EQ(window.size(), QSize(320, 240));
    }
}

} // namespace
