#include "dialogs/plainlabel.h"

#include <QLabel>

QLabel* MakePlainLabel(QWidget* Parent, const char* Name, const QString& Text, const QRect& Bounds)
{
    auto* Label = new QLabel(Parent);
    Label->setObjectName(QString::fromLatin1(Name));
    Label->setTextFormat(Qt::PlainText);
    Label->setText(Text);
    if (Bounds.isNull()) {
        Label->adjustSize();
    } else {
        Label->setGeometry(Bounds);
    }
    return Label;
}
