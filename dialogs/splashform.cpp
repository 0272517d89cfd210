#include "dialogs/splashform.h"

#include "dialogs/plainlabel.h"
#include "platform/fonts.h"
#include "platform/modal.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>

TSplashForm* SplashForm = nullptr;

namespace {

QLabel* MakeLabel(QWidget* Parent, const char* Name, const QString& Text, const QRect& Bounds,
                  int PixelHeight, const QColor& Color)
{
    QLabel* Label = MakePlainLabel(Parent, Name, Text, Bounds);
    Label->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), PixelHeight, true));
    QPalette Palette = Label->palette();
    Palette.setColor(QPalette::WindowText, Color);
    Label->setPalette(Palette);
    return Label;
}

} // namespace

TSplashForm::TSplashForm(QWidget* Parent)
    : QWidget(Parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashForm"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, ClientWidth, ClientHeight);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setLineWidth(1);
    Panel1->setAutoFillBackground(true);
    auto* Bevel = new QFrame(Panel1);
    Bevel->setGeometry(1, 1, ClientWidth - 2, ClientHeight - 2);
    Bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Bevel->setLineWidth(1);

    TitleLabel = MakeLabel(Panel1, "TitleLabel", QStringLiteral("Velto"), QRect(97, -1, 94, 45), 32,
                           Qt::red);
    Label1 = MakeLabel(Panel1, "Label1", tr("A game of Skill!"), QRect(70, 42, 148, 27),
                       19, Qt::blue);

    ProgressBar1 = new QProgressBar(Panel1);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setGeometry(7, 75, 273, 17);
    ProgressBar1->setRange(0, StepCount);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);

    platform::CentreOnScreen(*this);
}

TSplashForm::~TSplashForm()
{
    // Whoever destroys the window, nobody may reach it through the global.
    if (SplashForm == this)
        SplashForm = nullptr;
}

void ShowSplash()
{
    CloseSplash();
    SplashForm = new TSplashForm();
    SplashForm->show();
    // Let the window system map the window, then paint it before the long
    // preparation starts; user input waits for the game's own loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    SplashForm->repaint();
}

void StepSplash(TSplashForm* Splash)
{
    if (!Splash)
        return;
    Splash->ProgressBar1->setValue(Splash->ProgressBar1->value() + 1);
    // The whole window, not just the bar: no event is handled while the deck
    // is prepared, so a first paint that came before the window system had
    // mapped the window is made good here.
    Splash->repaint();
}

void CloseSplash()
{
    delete SplashForm;
    SplashForm = nullptr;
}
