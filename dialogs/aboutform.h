#pragma once
// The About box: the product name, its version and the maker.
#include <QDialog>

class QLabel;
class QPushButton;

class TAboutForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 303;
    static constexpr int ClientHeight = 170;

    explicit TAboutForm(QWidget* Parent = nullptr);
    ~TAboutForm() override;

    QLabel* Label4 = nullptr;       // "Velto"
    QLabel* VersionLabel = nullptr; // the version text, below the name
    QLabel* MakerLabel = nullptr;   // "Gorvane"
    QPushButton* OkBtn = nullptr;   // default and cancel button: Enter and Esc close the box
};

// Shows the About box modally with VersionText ("Version 1.1") below the name.
void ShowAbout(const QString& VersionText);
