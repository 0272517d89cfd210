#pragma once
// The card library for its users in one include: cards and their images and
// drawing, the card controls (group, table, visual deck), the table's options
// and lists, the dealing deck, the pause, and (through lugraphics.h) the
// buffered control, the busy state and the sprite; and the flights that do
// not block (luflightlayer.h).
#include "cardlib/lugraphics.h"

#include "cardlib/lucardimages.h"
#include "cardlib/lucarddrawing.h"
#include "cardlib/lucardgroup.h"
#include "cardlib/lucardtable.h"
#include "cardlib/lucustomcardcontrol.h"
#include "cardlib/lusinglecard.h"
#include "cardlib/lutypes.h"
#include "cardlib/lugameoptions.h"
#include "cardlib/luplayerlist.h"
#include "cardlib/lupointlist.h"
#include "cardlib/luwait.h"
#include "cardlib/luflightlayer.h"
#include "cardlib/lucarddeck.h"
#include "cardlib/luincludedcards.h"
#include "cardlib/luvirtualdeck.h"
