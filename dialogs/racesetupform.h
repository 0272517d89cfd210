#pragma once
// The small window before a race between two machines: to host, the
// player's name and the port to listen on; to join, the player's name and
// the host's address (HOST or HOST:PORT).
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TRaceSetupForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 300;
    static constexpr int ClientHeight = 132;

    // Joining asks for an address, hosting for a port.
    TRaceSetupForm(bool Joining, const QString& Name, const QString& Where, QWidget* Parent = nullptr);
    ~TRaceSetupForm() override;

    QLabel* NameLabel = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* WhereLabel = nullptr;
    QLineEdit* WhereEdit = nullptr; // the address, or the port
    QPushButton* OkBtn = nullptr;   // "Join" or "Host"
    QPushButton* CancelBtn = nullptr;

    QString Name() const;
    QString Where() const;

private:
    void OkBtnClick();
    bool FJoining;
};
