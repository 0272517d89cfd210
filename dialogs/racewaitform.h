#pragma once
// A window that waits (for the other player to join, or for the host to
// answer) with Cancel; whoever it waits on closes it with accept().
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

    QLabel* Text = nullptr;
    QPushButton* CancelBtn = nullptr;
};
