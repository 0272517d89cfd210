#pragma once
// The whole platform layer in one include: every header the layers above
// use. inifilebatch.h, inifiletext.h and modalkeys.h are the layer's own
// workings and stay out.
#include "platform/abort.h"
#include "platform/application.h"
#include "platform/component.h"
#include "platform/firstframe.h"
#include "platform/fonts.h"
#include "platform/inifile.h"
#include "platform/installpaths.h"
#include "platform/jpegimage.h"
#include "platform/messagebox.h"
#include "platform/modal.h"
#include "platform/playername.h"
#include "platform/random.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/soundpreloader.h"
#include "platform/stringtable.h"
#include "platform/systemclock.h"
#include "platform/termination.h"
#include "platform/translations.h"
#include "platform/windowmessages.h"
