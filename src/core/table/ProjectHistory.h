// Undo and redo of a project: whole-project states (table, records, project
// information) before and after each user action. The clipboard is not part
// of a project and stays as it is.
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/table/ProjectTable.h"

namespace rm {

class ProjectHistory {
public:
    static constexpr std::size_t kDefaultLimit = 100;
    explicit ProjectHistory(std::size_t limit = kDefaultLimit);

    // Forgets every step; the table as it is now is the saved state (opening,
    // a new project) unless `saved` is false.
    void reset(const ProjectTable& table, bool saved = true);

    // Around one user action: begin() before it, end() after it. An action
    // that left the project as it was (a question answered No, a cancelled
    // dialog, a refused drop) leaves no step. Returns true when a step was
    // added. An action inside another one is part of it.
    void begin(const ProjectTable& table, std::string action);
    bool end(const ProjectTable& table);
    bool inAction() const { return pending_.has_value(); }

    bool canUndo() const { return pos_ > 0; }
    bool canRedo() const { return pos_ + 1 < states_.size(); }
    // The name of the action undo or redo would take back or repeat.
    const std::string& undoName() const;
    const std::string& redoName() const;
    // The file the project belongs to (path, title, saved flag) is not undone.
    bool undo(ProjectTable& table);
    bool redo(ProjectTable& table);

    // Saving: the table as it is now is the one on disk.
    void markSaved(const ProjectTable& table);
    // True when the project is as it was saved (or opened).
    bool atSaved() const { return saved_ == pos_; }
    // The same, and the table holds what the history holds: a change made
    // outside an action still counts as a change.
    bool isSaved(const ProjectTable& table) const;
    std::size_t steps() const { return pos_; }

private:
    struct State {
        ProjectTable::Snapshot table;
        ProjectInfo info;
        std::string action;  // the action that led to this state
    };
    static State capture(const ProjectTable& table, std::string action);
    static bool same(const State& a, const State& b);
    void apply(ProjectTable& table, const State& s) const;

    std::size_t limit_;
    std::deque<State> states_;  // the oldest step leaves from the front
    std::size_t pos_ = 0;
    std::optional<std::size_t> saved_;
    std::optional<State> pending_;
    int depth_ = 0;
};

}  // namespace rm
