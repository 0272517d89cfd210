#pragma once
// The options dialog: scoring style, deck size, computer level, sounds and
// card back, with a preview of the chosen back. It reads and changes the game
// only through TOptionsHost, and only when the player saves.
#include "dialogs/optionshost.h"

#include <QDialog>
#include <QStringList>

class QGroupBox;
class QPushButton;
class QRadioButton;
class TLuCardDeck;

class TOptionsForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 373;
    static constexpr int ClientHeight = 323;

    // Builds the dialog and runs FormCreate.
    explicit TOptionsForm(TOptionsHost& Host, QWidget* Parent = nullptr);
    ~TOptionsForm() override;

    // Radio groups; the item index of each is what the game stores.
    QGroupBox* ScoringStyle = nullptr;  // 0 "Normal", 1 "Las Vegas"
    QGroupBox* DeckSize = nullptr;      // 0 "Single", 1 "Double" (Decks - 1)
    QGroupBox* ComputerLevel = nullptr; // 0 "Unbeatable" .. 4 "Easy"
    QGroupBox* PlaySounds = nullptr;    // 0 "No", 1 "Yes"
    QGroupBox* CardBack = nullptr;      // 0 "Default" .. 11 "Castle" (cbDefault .. cbCastle)
    QGroupBox* Animation = nullptr;     // 0 "No", 1 "Yes": whether cards fly
    TLuCardDeck* OptionDeck = nullptr;  // preview of the chosen back
    QPushButton* SaveBtn = nullptr;     // default button (Enter)
    QPushButton* CancelBtn = nullptr;   // Esc

    // Set when Save has accepted a change that needs a new deal.
    bool RestartNeeded = false;

    // Selects the game's current settings and shows its back in the preview.
    void FormCreate();
    // Shows the selected back in the preview; nothing else changes.
    void CardBackClick();
    // Applies the selection to the game and closes the dialog, after asking
    // whether to start a new game when the scoring style or the deck size
    // changes during a run; No keeps the dialog open with nothing applied.
    void SaveBtnClick();

    // The checked item of a radio group (0-based), -1 when none is.
    static int ItemIndex(const QGroupBox* Group);
    // Checks the item; an index outside the items checks none.
    static void SetItemIndex(QGroupBox* Group, int Index);
    // The radio button of an item, null outside the items.
    static QRadioButton* Item(const QGroupBox* Group, int Index);
    static int ItemCount(const QGroupBox* Group);

private:
    QGroupBox* MakeRadioGroup(const char* Name, const QString& Caption, const QRect& Bounds,
                              const QStringList& Items);

    TOptionsHost& FHost;
};

// Shows the options dialog for the game modally. True when the saved changes
// need a new deal; false after Cancel.
bool ShowOptionsDialog(TOptionsHost& Host);
