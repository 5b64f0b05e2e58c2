#include "core/record/CpuDefaults.h"

namespace rm {

void SetCpuDefaults(RowEintrag& r)
{
    auto& c = r.Cpu;
    c.DateFormat = "DD.MM.YYYY";
    c.TimeFormat = "HH.MM.SS";
    c.IndexDB = 900;
    c.WebOn = kFalse;
    c.RamDisk = 2;
    c.Adt = 0;
    c.Cdt = 0;
    c.BaudRate = 19200;
    c.ViaModem = kFalse;
    c.PortNumber = r.BestellNr == "QMV1.R200" ? 2 : 1;
    c.TimeOut = 30;
    c.ModemN613 = kTrue;
}

}  // namespace rm
