#include "platform/modal.h"

#include <QDialog>

#include <utility>

namespace platform {

namespace {

ModalHandler& modalHandler()
{
    static ModalHandler handler;
    return handler;
}

} // namespace

int ExecModal(QDialog& dialog)
{
    // A copy, so a handler that replaces itself (or opens a nested dialog
    // under another handler) does not destroy the function it is running in.
    const ModalHandler handler = modalHandler();
    return handler ? handler(dialog) : dialog.exec();
}

ModalHandler SetModalHandler(ModalHandler handler)
{
    return std::exchange(modalHandler(), std::move(handler));
}

} // namespace platform
