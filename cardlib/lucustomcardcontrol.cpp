#include "cardlib/lucustomcardcontrol.h"

TLuCustomCardControl::TLuCustomCardControl(QWidget* Parent)
    : TLuCustomGraphicControl(Parent)
{
    FShowBack = true;
    FAllowChangeBack = true;
}

TLuCustomCardControl::~TLuCustomCardControl() = default;

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
    FSprite = Value;
}

void TLuCustomCardControl::DrawCard(TLuSingleCard& /*Card*/, bool /*Invalidate*/)
{
}
