#pragma once
// The name dialog: asks a player who has entered the Hall of Fame for a name.
#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

class TNameForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 254;
    static constexpr int ClientHeight = 123;
    // In characters as the player sees them (TNameValidator).
    static constexpr int MaxNameLength = 17;

    explicit TNameForm(QWidget* Parent = nullptr);
    ~TNameForm() override;

    QLabel* Label1 = nullptr;       // "Enter your name for the Hall of Fame"
    QLineEdit* Edit = nullptr;      // at most 17 characters as seen
    QPushButton* Button1 = nullptr; // "&Ok", the default button

    // OK: an empty name is refused with an error box and the dialog stays
    // open; any other text (spaces count) closes it with the result OK.
    void Button1Click();
};

// Shows the name dialog modally. The text as typed when the player pressed
// OK; nothing when the dialog was dismissed otherwise (Esc, the window's
// close), so a player who does not want to give a name can always go on.
std::optional<QString> AskName();
