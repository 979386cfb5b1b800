#pragma once

#include <functional>
#include <unordered_map>

// What the update pass shows for one command: the menu item or button is enabled, and
// whether it carries a check mark.
struct CommandState {
    bool enabled = true;
    bool checked = false;
};

// One command target's table: command id -> handler, with an optional update function that
// may disable the command or set its check mark. A command the table holds is handled by
// this target; a command no target holds is shown disabled.
class CommandMap {
public:
    using Handler = std::function<void()>;
    using Updater = std::function<void(CommandState&)>;

    // Adds or replaces the handler of id.
    void Add(int id, Handler run, Updater update = {});
    void Remove(int id);
    bool Contains(int id) const;

    // Runs the handler of id; false when this table has none (the command goes on to the
    // next target).
    bool Run(int id) const;
    // When this table handles id: sets state to enabled/unchecked, lets the updater adjust
    // it and returns true. Otherwise leaves state alone and returns false.
    bool Update(int id, CommandState& state) const;

private:
    struct Entry {
        Handler run;
        Updater update;
    };
    std::unordered_map<int, Entry> entries_;
};
