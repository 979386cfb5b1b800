#pragma once

#include <map>
#include <string>

// kosmira-almanac find NAME [--data DIR] [--utc ... --lat ... --lon ...]: the object a name
// stands for, searched as the planetarium's object search does, as JSON. Exit status 0 when
// found, 1 when nothing matches, 2 for a bad argument.
int RunFindCommand(const std::string& query, const std::map<std::string, std::string>& options,
                   std::string& out, std::string& err);
