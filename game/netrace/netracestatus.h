#pragma once
// A line of news across the race's table, between the centre piles and the
// player's row: whom the race waits for and, while the line is down, how
// long it waits. Plain text whatever it is given (names come from the
// other machine).
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
    bool Visible() const;
    QString Text() const;

    // "0:52": the seconds left as a player reads them.
    static QString Clock(int Seconds);

private:
    QPointer<QWidget> FTable;
    QPointer<QLabel> FLabel;
};
