#include "dialogs/scoreform.h"

#include "dialogs/halloffame.h"
#include "platform/fonts.h"
#include "platform/modal.h"

#include <QFontInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace {

// "Courier New" through the substitutions; should none of them be installed,
// whatever fixed-pitch family the system has, since the columns depend on it.
QFont ListFont()
{
    QFont Font = platform::MakeFont(QStringLiteral("Courier New"), 13);
    if (!QFontInfo(Font).fixedPitch()) {
        Font.setStyleHint(QFont::TypeWriter);
        Font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                          QStringLiteral("DejaVu Sans Mono"), QStringLiteral("monospace")});
        Font.setFixedPitch(true);
    }
    return Font;
}

} // namespace

TScoreForm::TScoreForm(QWidget* Parent)
    : QDialog(Parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("ScoreForm"));
    setWindowTitle(QStringLiteral("Scores"));
    setFont(platform::MakeFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(ClientWidth, ClientHeight);

    Label1 = new QLabel(QStringLiteral("Hall of Fame"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), 16, true));
    QPalette Palette = Label1->palette();
    Palette.setColor(QPalette::WindowText, Qt::blue);
    Label1->setPalette(Palette);
    Label1->move(154, 1);
    Label1->adjustSize();

    List = new QListWidget(this);
    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(14, 25, 379, 239);
    List->setFont(ListFont());

    OkBtn = new QPushButton(QStringLiteral("&Ok"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setGeometry(166, 284, 75, 25);
    OkBtn->setDefault(true);
    // Esc closes the window as well (the dialog's own reject).
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TScoreForm::~TScoreForm() = default;

void TScoreForm::Fill(const THallOfFameTable& Table)
{
    List->clear();
    const QFontMetrics Metrics(List->font());
    for (const QString& Line : HallOfFameLines(Table)) {
        auto* Item = new QListWidgetItem(Line, List);
        Item->setSizeHint(QSize(Metrics.horizontalAdvance(Line), LineHeight));
    }
}

void ShowScores(const THallOfFameTable& Table)
{
    TScoreForm ScoreForm;
    ScoreForm.Fill(Table);
    platform::ExecModal(ScoreForm);
}
