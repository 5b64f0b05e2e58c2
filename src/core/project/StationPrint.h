// The station pictures as printed pages, following the listing: the boxes at
// the layout's own size, so that their texts stay as readable as on the
// listing; a band wider than the page goes on in a further row below, and as
// many rows go on a page as fit. The legend heads the first page.
#pragma once

#include <string>
#include <vector>

#include "core/project/PrintLayout.h"
#include "core/project/StationLayout.h"

namespace rm {

namespace print {
inline constexpr double kPictureLeft = 15;    // mm, as the listing's rules
inline constexpr double kPictureRight = 195;  // mm
}  // namespace print

// No pages for a layout without bands.
std::vector<PrintPage> stationPrintPages(const StationLayout& layout, const Texts& texts, const std::string& dateTime,
                                         double bottom = print::kPageBottom);

}  // namespace rm
