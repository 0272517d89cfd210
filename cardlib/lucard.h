#pragma once
// The card library for its users: cards, the shared card images and their
// drawing, the card control base, and (with lugraphics.h) the buffered
// control and the busy state.
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
#include "cardlib/lucarddeck.h"
#include "cardlib/luincludedcards.h"
#include "cardlib/luvirtualdeck.h"
