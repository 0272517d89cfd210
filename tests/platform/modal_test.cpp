// The modal-dialog seam: a real modal run ends with the dialog's own result;
// a handler gets the built dialog instead, unshown, and answers for it; the
// scripted stand-in runs its steps in order and puts the previous handler back.
#include "platform/modal.h"
#include "tests/support/modaldialogs.h"

#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

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

} // namespace
