#include "dialogs/listwindowparts.h"

#include "platform/fonts.h"

#include <QLabel>
#include <QListWidget>
#include <QStyle>

QLabel* MakeListTitle(QWidget* Parent, const QString& Text)
{
    auto* Label = new QLabel(Text, Parent);
    Label->setObjectName(QStringLiteral("Label1"));
    Label->setTextFormat(Qt::PlainText);
    Label->setFont(platform::MakeFont(QStringLiteral("Comic Sans MS"), 16, true));
    QPalette Palette = Label->palette();
    Palette.setColor(QPalette::WindowText, Qt::blue);
    Label->setPalette(Palette);
    Label->adjustSize();
    return Label;
}

QListWidget* MakeFixedPitchList(QWidget* Parent, const QRect& Bounds)
{
    auto* List = new QListWidget(Parent);
    List->setObjectName(QStringLiteral("List"));
    List->setGeometry(Bounds);
    List->setFont(platform::MakeFixedPitchFont(13));
    return List;
}

void FillList(QListWidget* List, const QStringList& Lines, int LineHeight)
{
    List->clear();
    const QFontMetrics Metrics(List->font());
    // The item draws its text inside a margin on each side: a row only as
    // wide as its text would elide the last characters of the widest line.
    const int TextMargin = List->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, List) + 1;
    for (const QString& Line : Lines) {
        auto* Item = new QListWidgetItem(Line, List);
        Item->setSizeHint(QSize(Metrics.horizontalAdvance(Line) + 2 * TextMargin, LineHeight));
    }
}
