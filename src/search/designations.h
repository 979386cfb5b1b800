#pragma once

#include <cstddef>
#include <string>
#include <vector>

// "data/designation.dat": the other names of the shipped objects, one object a line, fields
// separated by tabs, the first field giving the kind (see data/README.md):
//   C abbreviation, Latin name, Latin genitive          -- line i goes with conname.dat line i
//   S HIP, Korean name, proper name, Bayer, Flamsteed, V magnitude -- by name with starname.dat
//   M number, Korean name, English name, NGC designation, V magnitude
//   N NGC number, name, English name                    -- by name with ngc.dat
// Empty fields are allowed; an empty magnitude is unknown (NaN).

struct ConstellationDesignation {
    std::string abbreviation;  // "Ori"
    std::string latin;         // "Orion"
    std::string genitive;      // "Orionis"
};

struct StarDesignation {
    int hip = 0;
    std::string korean;     // as in starname.dat
    std::string proper;     // "Betelgeuse"
    std::string bayer;      // "α Ori", "α1 Cen", or empty
    std::string flamsteed;  // "58 Ori", or empty
    double magnitude = 0.0;
};

struct MessierDesignation {
    int number = 0;
    std::string korean;   // "오리온 대성운", or empty
    std::string english;  // "Orion Nebula", or empty
    std::string ngc;      // "NGC 1976", "NGC 5194/5", or empty
    double magnitude = 0.0;
};

struct NgcDesignation {
    int number = 0;
    std::string name;     // as in ngc.dat
    std::string english;  // or empty
};

struct Designations {
    std::vector<ConstellationDesignation> constellations;
    std::vector<StarDesignation> stars;
    std::vector<MessierDesignation> messier;
    std::vector<NgcDesignation> ngc;
    std::size_t skippedLines = 0;  // lines of an unknown kind, with the wrong field count or
                                   // numbers out of range
};

constexpr const char* kDesignationFile = "data/designation.dat";

// Adds one line to `into`; false (and nothing added) when the line is not a designation.
bool ParseDesignationLine(const std::string& line, Designations& into);

// Reads the file at `path` (plain or ".gz", as every catalog); false when it cannot be read.
bool ReadDesignations(const std::string& path, Designations& into);

// The message when the file cannot be read (UTF-8); the search then knows the names of the
// other catalog files only.
extern const char* const kDesignationDataUnreadable;
