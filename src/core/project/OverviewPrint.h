// The address overview as the last pages of the printed listing.
#pragma once

#include <string>
#include <vector>

#include "core/base/TextTable.h"
#include "core/project/PrintLayout.h"
#include "core/project/ProjectCheck.h"

namespace rm {

// Inputs, then outputs, in address order; a page that runs below `bottom`
// goes on on a new one that repeats the headings.
std::vector<PrintPage> overviewPrintPages(const AddressOverview& overview, const Texts& texts,
                                          const std::string& dateTime, double bottom = print::kPageBottom);

// "free", "overlap", "32000 or more" in the language of `texts`; empty for a plain module range.
std::string overviewNote(const OverviewRange& range, const Texts& texts);

}  // namespace rm
