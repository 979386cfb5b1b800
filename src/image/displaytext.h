#pragma once

#include <QString>
#include <cstddef>
#include <string>

// Names are kept as the files hold them: UTF-8 in the shipped data, code page 949 in older
// files. These two functions are the only places that care which.

// The text to show or render for a stored name: valid UTF-8 is taken as is, anything else is
// decoded as code page 949 (undecodable bytes become U+FFFD).
QString DisplayText(const std::string& bytes);

// Length of the text in code page 949 bytes (two per Hangul syllable), which is what label
// widths are measured in. Characters code page 949 cannot encode count two bytes if they are
// not ASCII.
std::size_t Cp949Length(const std::string& bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(const std::string& bytes);
