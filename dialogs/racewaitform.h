#pragma once
// A window that waits (for the other player to join, or for the host to
// answer) with Cancel; whoever it waits on closes it with accept(). Its
// lines may change while it waits (the router's answer comes in): the
// window grows to hold them, wider for a long address, and a long line of
// words is broken between words. While it waits it can put a question to
// the player (someone wants to race: let them in?), answered with its two
// buttons.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

class TRaceWaitForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 300;
    static constexpr int MaxClientWidth = 440;
    TRaceWaitForm(const QString& Title, const QStringList& Lines, QWidget* Parent = nullptr);
    ~TRaceWaitForm() override;

    void SetLines(const QStringList& Lines);
    // Shows Question (plain text) with Accept and Refuse; Answered follows.
    void Ask(const QString& Question);
    // The question is gone (answered, or its reason went away).
    void ClearQuestion();
    bool Asking() const;

    QLabel* Text = nullptr;
    QLabel* Question = nullptr;
    QPushButton* AcceptBtn = nullptr;
    QPushButton* RefuseBtn = nullptr;
    QPushButton* CancelBtn = nullptr;

Q_SIGNALS:
    void Answered(bool Accept);

private:
    void Layout();
    int FLinesWidth = ClientWidth; // what the lines need
    int FWidth = ClientWidth;      // and the question, while there is one
    int FTextHeight = 0;
};
