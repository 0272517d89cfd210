#pragma once
// Stand-in for the modal-dialog seam: runs the program's dialogs by script.
// Each dialog that opens is handed to the next step of the queue, which fills
// it in, presses its buttons and returns the result code. It installs itself
// for its lifetime and puts back whatever was there before.
#include "platform/modal.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <initializer_list>

#include <gtest/gtest.h>

class QAbstractButton;

namespace testing_support {

class ScriptedModalDialogs
{
public:
    using Step = std::function<int(QDialog& dialog)>;

    explicit ScriptedModalDialogs(std::initializer_list<Step> steps = {});
    ~ScriptedModalDialogs();
    ScriptedModalDialogs(const ScriptedModalDialogs&) = delete;
    ScriptedModalDialogs& operator=(const ScriptedModalDialogs&) = delete;

    void Then(Step step) { m_steps.push_back(std::move(step)); }

    // The window titles of the dialogs opened so far, in order.
    const QStringList& Titles() const { return m_titles; }
    // Steps queued but not used.
    std::size_t Unused() const { return m_steps.size(); }

    // A step for one dialog class: the dialog is cast to it, and a dialog of
    // another class fails the test (and is rejected).
    template <class Dialog, class F> static Step For(F step)
    {
        return [step = std::move(step)](QDialog& dialog) -> int {
            auto* typed = qobject_cast<Dialog*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "Unexpected dialog " << dialog.metaObject()->className() << " (\""
                              << dialog.windowTitle().toStdString() << "\")";
                return QDialog::Rejected;
            }
            return step(*typed);
        };
    }

private:
    int Run(QDialog& dialog);

    std::deque<Step> m_steps;
    QStringList m_titles;
    platform::ModalHandler m_previous;
};

// Presses the button and returns the dialog's result: what a step returns
// when the button closes the dialog (or leaves it open, Rejected).
int Press(QDialog& dialog, QAbstractButton* button);

} // namespace testing_support
