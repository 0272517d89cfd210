#pragma once
// A window that waits (for the other player to join, or for the host to
// answer) with Cancel; whoever it waits on closes it with accept(). While it
// waits it can put a question to the player (someone wants to race: let
// them in?), answered with its two buttons.
#include <QDialog>
#include <QStringList>

class QLabel;
class QPushButton;

class TRaceWaitForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 300;
    TRaceWaitForm(const QString& Title, const QStringList& Lines, QWidget* Parent = nullptr);
    ~TRaceWaitForm() override;

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
    int FTextHeight = 0;
};
