#include "app/commandmap.h"

#include <utility>

void CommandMap::Add(int id, Handler run, Updater update)
{
    entries_[id] = Entry{std::move(run), std::move(update)};
}

void CommandMap::Remove(int id)
{
    entries_.erase(id);
}

bool CommandMap::Contains(int id) const
{
    return entries_.count(id) != 0;
}

bool CommandMap::Run(int id) const
{
    auto it = entries_.find(id);
    if (it == entries_.end())
        return false;
    // Copied first: a handler may replace its own entry (or close the window owning the map).
    Handler run = it->second.run;
    if (run)
        run();
    return true;
}

bool CommandMap::Update(int id, CommandState& state) const
{
    auto it = entries_.find(id);
    if (it == entries_.end())
        return false;
    state = CommandState{};
    if (it->second.update)
        it->second.update(state);
    return true;
}
