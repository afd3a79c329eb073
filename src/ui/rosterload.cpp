#include "ui/rosterload.h"

#include "store/roster.h"
#include "ui/prompts.h"
#include "ui/textconv.h"

namespace qm {

void LoadSortedRoster(TRosterTable& table) {
  const LoadRosterResult result = LoadRoster(table);
  SortRoster(table);
  for (const std::string& name : result.Unlisted)
    CurrentPrompts().Warning(FromBytes(UnlistedScoreFileMessage(name)));
}

}  // namespace qm
