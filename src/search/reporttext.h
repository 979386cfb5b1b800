#pragma once

#include "search/skypick.h"

#include <string>
#include <utility>
#include <vector>

// The click panel's rows for an object report: caption and value, Korean, UTF-8. Times are
// local hours of the shown date ("--:--" when the event does not happen that day, with
// "항상 지평선 위" / "항상 지평선 아래" for a body that never sets / never rises).
std::vector<std::pair<std::string, std::string>> ReportRows(const ObjectReport& report);

// One line for a list of hits: the matched name, and the shown name when it differs
// ("M42 — 오리온 대성운").
std::string HitText(const SkyIndex& index, const SearchHit& hit);
