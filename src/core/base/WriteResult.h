// What became of a write, for every writer of the program.
#pragma once

#include <ostream>
#include <string>
#include <utility>

namespace rm {

// Written; declined, when the user chose to keep what was there; or failed,
// with the reason in words a message can show (the system's, or the
// program's own). No write's result may be ignored.
class [[nodiscard]] WriteResult {
public:
    enum class Outcome { Written, Declined, Failed };

    static WriteResult written() { return WriteResult(Outcome::Written, {}); }
    static WriteResult declined() { return WriteResult(Outcome::Declined, {}); }
    // Without a reason when none is known.
    static WriteResult failed(std::string reason = {}) { return WriteResult(Outcome::Failed, std::move(reason)); }

    Outcome outcome() const { return outcome_; }
    bool ok() const { return outcome_ == Outcome::Written; }
    bool wasDeclined() const { return outcome_ == Outcome::Declined; }
    bool hasFailed() const { return outcome_ == Outcome::Failed; }
    const std::string& reason() const { return reason_; }  // empty unless failed with a reason

    friend bool operator==(const WriteResult&, const WriteResult&) = default;
    friend std::ostream& operator<<(std::ostream& os, const WriteResult& r)
    {
        switch (r.outcome_) {
            case Outcome::Written:
                return os << "written";
            case Outcome::Declined:
                return os << "declined";
            case Outcome::Failed:
                break;
        }
        return os << "failed" << (r.reason_.empty() ? "" : ": " + r.reason_);
    }

private:
    WriteResult(Outcome outcome, std::string reason) : outcome_(outcome), reason_(std::move(reason)) {}
    Outcome outcome_;
    std::string reason_;
};

}  // namespace rm
