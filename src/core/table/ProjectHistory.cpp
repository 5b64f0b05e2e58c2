#include "core/table/ProjectHistory.h"

#include <utility>

namespace rm {

ProjectHistory::ProjectHistory(std::size_t limit) : limit_(limit < 1 ? 1 : limit) {}

ProjectHistory::State ProjectHistory::capture(const ProjectTable& table, std::string action)
{
    return {table.snapshot(), table.info(), std::move(action)};
}

bool ProjectHistory::same(const State& a, const State& b)
{
    // The current row, the modified flag and where the file lies are no part of the project's content.
    ProjectInfo ia = a.info, ib = b.info;
    ia.ProjektPfad = ib.ProjektPfad = {};
    ia.ProjektTitel = ib.ProjektTitel = {};
    ia.Gespeichert = ib.Gespeichert = 0;
    return a.table.grid == b.table.grid && a.table.rows == b.table.rows && a.table.labelsRight == b.table.labelsRight &&
           ia == ib;
}

void ProjectHistory::reset(const ProjectTable& table, bool saved)
{
    states_.clear();
    states_.push_back(capture(table, {}));
    pos_ = 0;
    saved_ = saved ? std::optional<std::size_t>(0) : std::nullopt;
    pending_.reset();
    depth_ = 0;
}

void ProjectHistory::begin(const ProjectTable& table, std::string action)
{
    if (states_.empty()) reset(table);
    if (depth_++ > 0) return;
    pending_ = capture(table, std::move(action));
}

bool ProjectHistory::end(const ProjectTable& table)
{
    if (depth_ > 0 && --depth_ > 0) return false;
    if (!pending_) return false;
    State before = std::move(*pending_);
    pending_.reset();
    State after = capture(table, before.action);
    if (same(before, after)) return false;
    // What the user did since the last step without a begin() (none should)
    // is taken into the state undo goes back to.
    before.action = states_[pos_].action;
    states_[pos_] = std::move(before);
    states_.resize(pos_ + 1);
    if (saved_ && *saved_ > pos_) saved_.reset();  // the saved state can no longer be reached
    states_.push_back(std::move(after));
    ++pos_;
    while (states_.size() > limit_ + 1) {
        states_.erase(states_.begin());
        --pos_;
        if (saved_) saved_ = *saved_ == 0 ? std::nullopt : std::optional<std::size_t>(*saved_ - 1);
    }
    return true;
}

void ProjectHistory::markSaved(const ProjectTable& table)
{
    if (states_.empty()) return reset(table);
    states_[pos_] = capture(table, states_[pos_].action);
    saved_ = pos_;
}

bool ProjectHistory::isSaved(const ProjectTable& table) const
{
    return atSaved() && pos_ < states_.size() && same(states_[pos_], capture(table, {}));
}

const std::string& ProjectHistory::undoName() const
{
    static const std::string none;
    return canUndo() ? states_[pos_].action : none;
}

const std::string& ProjectHistory::redoName() const
{
    static const std::string none;
    return canRedo() ? states_[pos_ + 1].action : none;
}

void ProjectHistory::apply(ProjectTable& table, const State& s) const
{
    ProjectInfo info = s.info;
    info.ProjektPfad = table.info().ProjektPfad;
    info.ProjektTitel = table.info().ProjektTitel;
    info.Gespeichert = table.info().Gespeichert;
    ProjectTable::Snapshot snap = s.table;
    snap.changed = !atSaved();
    // Keep the user's place in the table where the table still reaches.
    const int rows = static_cast<int>(snap.grid.size()) - 1;
    snap.current = std::min(std::max(table.currentRow(), 1), std::max(rows, 1));
    table.restore(snap);
    table.info() = std::move(info);
}

bool ProjectHistory::undo(ProjectTable& table)
{
    if (!canUndo() || pending_) return false;
    --pos_;
    apply(table, states_[pos_]);
    return true;
}

bool ProjectHistory::redo(ProjectTable& table)
{
    if (!canRedo() || pending_) return false;
    ++pos_;
    apply(table, states_[pos_]);
    return true;
}

}  // namespace rm
