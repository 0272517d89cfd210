#include "cardlib/lucustomcardcontrol.h"

#include "cardlib/lusprite.h"

TLuCustomCardControl::TLuCustomCardControl(QWidget* Parent)
    : TLuCustomGraphicControl(Parent)
{
}

TLuCustomCardControl::~TLuCustomCardControl()
{
    QObject::disconnect(FSpriteGone);
}

void TLuCustomCardControl::SetCardBack(TLuCardBackType Value)
{
    FCardBack = Value;
}

void TLuCustomCardControl::SetShowBack(bool Value)
{
    FShowBack = Value;
}

void TLuCustomCardControl::SetSprite(TLuSprite* Value)
{
    if (Value == FSprite)
        return;
    QObject::disconnect(FSpriteGone);
    FSprite = Value;
    // A sprite that goes first must not leave this control (or, through the
    // derived setters, its cards) pointing at it.
    if (Value)
        FSpriteGone = connect(Value, &QObject::destroyed, this, [this] { SetSprite(nullptr); });
}

void TLuCustomCardControl::DrawCard(TLuSingleCard& /*Card*/, bool /*Invalidate*/)
{
}
