#pragma once
// A window that waits (for the other player to join, or for the host to
// answer) with Cancel; whoever it waits on closes it with accept(). Its
// lines may change while it waits (the router's answer comes in): the
// window grows to hold them, wider for a long address, and a long line of
// words is broken between words.
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

    QLabel* Text = nullptr;
    QPushButton* CancelBtn = nullptr;
};
