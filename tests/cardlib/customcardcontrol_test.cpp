// The card control base: what new cards take over, and a sprite reference
// that never outlives its sprite.
#include "cardlib/lusprite.h"
#include "testcardowners.h"

#include <gtest/gtest.h>

namespace {

TEST(CustomCardControlTest, FreshControl)
{
    TTestCardControl Control;
    EXPECT_TRUE(Control.ShowBack());
    EXPECT_EQ(Control.CardBack(), cbDefault);
    EXPECT_FALSE(Control.AutoEmpty());
    EXPECT_TRUE(Control.AllowChangeBack());
    EXPECT_EQ(Control.Sprite(), nullptr);
    EXPECT_FALSE(Control.AutoSize());
    EXPECT_EQ(Control.AsCardGroup(), nullptr);
    EXPECT_EQ(Control.GroupTable(), nullptr);

    TLuSingleCard Card(&Control, &Control.Buffer());
    EXPECT_TRUE(Card.ShowBack());
    EXPECT_EQ(Card.CardBack(), cbDefault);
}

TEST(CustomCardControlTest, ASpriteThatGoesFirstIsForgotten)
{
    QWidget Form;
    TTestCardControl Control(&Form);
    auto Sprite = std::make_unique<TLuSprite>(&Form);
    Control.SetSprite(Sprite.get());
    TLuSingleCard Card(&Control, &Control.Buffer());
    EXPECT_EQ(Card.Sprite(), Sprite.get());
    Sprite.reset();
    EXPECT_EQ(Control.Sprite(), nullptr);

    // A sprite replaced earlier no longer concerns the control.
    auto First = std::make_unique<TLuSprite>(&Form);
    TLuSprite Second(&Form);
    Control.SetSprite(First.get());
    Control.SetSprite(&Second);
    First.reset();
    EXPECT_EQ(Control.Sprite(), &Second);
}

} // namespace
