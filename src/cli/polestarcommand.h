#pragma once

#include <map>
#include <string>

// kosmira-almanac pole-star --utc YYYY-MM-DDTHH:MM:SS --lat DEG --lon DEG: the site's pole
// star (Polaris north of the equator, sigma Octantis south of it) as one JSON object with
// the keys star, ra_deg, dec_deg (apparent, true equator and equinox of date), hour_angle_h,
// pole_distance_arcmin and next_upper_transit_utc. Status 0 done, 2 a bad argument.
int RunPoleStarCommand(const std::map<std::string, std::string>& options, std::string& out,
                       std::string& err);
