#include "tests/support/modaldialogs.h"

#include <QAbstractButton>

namespace testing_support {

ScriptedModalDialogs::ScriptedModalDialogs(std::initializer_list<Step> steps) : m_steps(steps)
{
    m_previous = platform::SetModalHandler([this](QDialog& dialog) { return Run(dialog); });
}

ScriptedModalDialogs::~ScriptedModalDialogs()
{
    platform::SetModalHandler(std::move(m_previous));
}

int ScriptedModalDialogs::Run(QDialog& dialog)
{
    m_titles << dialog.windowTitle();
    if (m_steps.empty()) {
        // Never fall back to a real modal loop: nobody would close it.
        ADD_FAILURE() << "Unexpected dialog \"" << dialog.windowTitle().toStdString() << '"';
        return QDialog::Rejected;
    }
    const Step step = std::move(m_steps.front());
    m_steps.pop_front();
    return step(dialog);
}

int Press(QDialog& dialog, QAbstractButton* button)
{
    if (!button) {
        ADD_FAILURE() << "No button to press";
        return QDialog::Rejected;
    }
    button->click();
    return dialog.result();
}

} // namespace testing_support
