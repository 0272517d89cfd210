#pragma once
// The small window before a race between two machines: to host, the
// player's name and the port to listen on; to join, the player's name and
// the host's address (HOST or HOST:PORT). Given the races hosted on the
// local network, the join window lists them as they come and go; choosing
// one fills in its address, which can still be typed instead.
#include "dialogs/racelist.h"

#include <QDialog>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

class TRaceSetupForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 300;
    static constexpr int ClientHeight = 132;
    static constexpr int ListedHeight = 250; // joining, with the races listed

    // Joining asks for an address, hosting for a port. Races (joining only,
    // may be null) is followed while the window lives.
    TRaceSetupForm(bool Joining, const QString& Name, const QString& Where, QWidget* Parent = nullptr,
                   TRaceList* Races = nullptr);
    ~TRaceSetupForm() override;

    QLabel* NameLabel = nullptr;
    QLineEdit* NameEdit = nullptr;
    QLabel* WhereLabel = nullptr;
    QLineEdit* WhereEdit = nullptr; // the address, or the port
    QPushButton* OkBtn = nullptr;   // "Join" or "Host"
    QPushButton* CancelBtn = nullptr;
    // With a list of races only.
    QLabel* RacesLabel = nullptr;
    QTreeWidget* RacesView = nullptr; // the host's name and address, a row each
    QLabel* RacesNote = nullptr;      // over the empty list: why it is empty

    QString Name() const;
    QString Where() const;

private:
    void OkBtnClick();
    void MakeRaceList();
    void ShowRaces();
    void Choose();

    bool FJoining;
    QPointer<TRaceList> FRaces;
    bool FShowing = false; // the rows are being laid, not chosen
};
