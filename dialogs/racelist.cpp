#include "dialogs/racelist.h"

TRaceList::~TRaceList() = default;
