// Loading the roster for a window that lists golfers.
#pragma once

#include "store/records.h"

namespace qm {

// LoadRoster and SortRoster, then a warning for every score file that a
// rebuild of the roster had to leave out, so that no golfer's rounds are cut
// off from the program without a word. Raises what LoadRoster raises.
void LoadSortedRoster(TRosterTable& table);

}  // namespace qm
