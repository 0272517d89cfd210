#pragma once
// What the race's table says beyond its cards: a line of news between the
// centre piles and the player's row (whom the race waits for and, while the
// line is down, how long it waits), and who the other player is: their name
// above their row and their score below the player's own. Plain text
// whatever it is given (names come from the other machine), cut to fit the
// fixed table.
#include <QLabel>
#include <QPointer>
#include <QString>
#include <QWidget>

class TNetRaceStatus {
public:
    explicit TNetRaceStatus(QWidget* Table);
    ~TNetRaceStatus();
    TNetRaceStatus(const TNetRaceStatus&) = delete;
    TNetRaceStatus& operator=(const TNetRaceStatus&) = delete;

    void Show(const QString& Text);
    void Hide();
    // The other player's name by their row and their score beside ours.
    void ShowPeer(const QString& Name, int Score);
    void HidePeer();
    QString PeerText() const;
    bool Visible() const;
    QString Text() const;

    // "0:52": the seconds left as a player reads them.
    static QString Clock(int Seconds);

private:
    QPointer<QWidget> FTable;
    QPointer<QLabel> FLabel;
    QPointer<QLabel> FPeerName;
    QPointer<QLabel> FPeerScore;
};
