#pragma once
// The dialogs layer in one include: the settings and their file, the Hall of
// Fame table with its ranking, the statistics of deals, and the small windows
// (splash, About, name, Hall of Fame, statistics, options with the host
// interface it works through, a race's setup and waiting windows, with the
// list of races on the local network the setup window shows), and the
// plain-text label they are made of. listwindowparts.h, namevalidator.h and
// radiogroupbox.h are the layer's own workings.
#include "dialogs/aboutform.h"
#include "dialogs/gamesettings.h"
#include "dialogs/gamestatistics.h"
#include "dialogs/halloffame.h"
#include "dialogs/halloffametable.h"
#include "dialogs/nameform.h"
#include "dialogs/optionsform.h"
#include "dialogs/optionshost.h"
#include "dialogs/plainlabel.h"
#include "dialogs/netracerecords.h"
#include "dialogs/racelist.h"
#include "dialogs/racesetupform.h"
#include "dialogs/racewaitform.h"
#include "dialogs/scoreform.h"
#include "dialogs/settingsfile.h"
#include "dialogs/splashform.h"
#include "dialogs/statisticsform.h"
#include "dialogs/statisticstext.h"
