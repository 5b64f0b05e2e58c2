// The OK sequence every module dialog shares: the address limit, the edited
// row cleared, the address search from the entered starts, the question when
// a start had to move, the family's parameters stored and the row written.
#pragma once

#include <functional>

#include "core/table/ProjectTable.h"

namespace rm {

enum class ModuleOkResult {
    Written,       // the row holds the module; the dialog closes
    LimitRefused,  // a start of 32000 or more, or a range past the address space
    MoveDeclined,  // the user did not take the next free address
};

struct EnteredAddresses {
    long in = 0;  // as typed, read as 32-bit numbers
    long out = 0;
    bool hasIn = true;   // the dialog shows the input start box
    bool hasOut = true;  // the dialog shows the output start box
};

// What the next-free-address question adds: the direction and the range
// asked for, what holds it or the rule that moved it, and the range offered.
std::string addressMoveDetails(const Texts& texts, const ProjectTable& table, const RowEintrag& module, bool inputs,
                               int wanted, int now);

// Works on CurrentModule and the current row of the table. The other rows of
// a module of several rows keep their content. When the sequence stops, the
// row keeps its previous content; CurrentModule keeps what was stored so far
// (the moved address included). `storeParameters` is also called on a copy
// before the address search, for the byte counts the module will have.
ModuleOkResult runModuleOk(ProjectTable& table, const EnteredAddresses& entered,
                           const std::function<void(RowEintrag&)>& storeParameters = {});

}  // namespace rm
