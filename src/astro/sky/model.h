#pragma once

// Which model fills the shown sky and the almanac.
enum class Model {
    Classic,  // Keplerian elements linear in time, UT as the time argument (start-up default)
    Precise   // ERFA: VSOP87 Earth, ELP Moon, Simon et al. planets, IAU 2006/2000A, Delta T
};

// "classic" or "precise": the almanac's JSON value.
const char* ModelKey(Model model);
