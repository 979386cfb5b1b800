#pragma once

#include <map>
#include <string>

// `kosmira-almanac phenomena --year YYYY [--lat DEG --lon DEG] [--zone HOURS]
// [--height-m M]`: one civil year's phenomena (Moon phases, solar terms, lunar apsides,
// eclipses with their circumstances at the site, planet events) as a JSON array in time
// order. The site defaults to Seoul and the zone to 9 h. Returns the exit status: 0 done,
// 2 a bad argument (one line in err).
int RunPhenomenaCommand(const std::map<std::string, std::string>& options, std::string& out,
                        std::string& err);
