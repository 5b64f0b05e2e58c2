#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace rm::test {

ScriptedAsker::~ScriptedAsker()
{
    for (const auto& e : queue_) ADD_FAILURE() << "expected question never asked: " << e.part;
}

ScriptedAsker& ScriptedAsker::expect(std::string promptPart, int answer)
{
    queue_.push_back({std::move(promptPart), answer});
    return *this;
}

int ScriptedAsker::ShowMessage(const std::string& prompt, const std::string& title, int style)
{
    shown.push_back({prompt, title, style});
    if (queue_.empty()) {
        ADD_FAILURE() << "unexpected question: \"" << prompt << "\"";
        return style::buttons(style) == style::YesNo ? answer::No : answer::Cancel;
    }
    Expected e = queue_.front();
    queue_.pop_front();
    EXPECT_NE(prompt.find(e.part), std::string::npos) << "asked \"" << prompt << "\", expected \"" << e.part << "\"";
    return e.answer;
}

namespace {
// One record per module: order number, identification word, flags, mode,
// input bytes, output bytes, reserve, sub-entry count, family, [sub-entries],
// designation, description.
const char* kCatalog = R"(; test catalog
; comment lines before the first record are skipped
[QMV2.R300]
0
0800
0049
0
24
0
0804
2
CPU 300 family 2 with B2 and connector
A family-2 CPU.
[QMV2.R310]
0
0800
0001
0
8
0
0804
2
CPU 310 family 2 without connector
[QMV3.R400]
0
0800
0245
80010
40
0
1004
3
CPU 400 family 3 with memory slots
[QMV1.R200]
0
0800
0041
0
12
0
0404
2
CPU R200 with restricted extra slots
[QMV2.X100]
0
0400
0040
0
0
0
0804
2
Extension rack 8 slots with connector
[QMV2.X110]
0
8400
0000
0
0
0
0404
2
QMV2.X110
Extension rack 4 slots, no connector
[QMV3.X200]
0
0400
0040
0
0
0
0804
3
Extension rack family 3
[QMV2.D110]
11
4000
0
2
0
0
1
2
DI 16x DC 24V
[QMV2.D210]
12
2000
0
0
2
0
1
2
DO 16x DC 24V
[QMV2.D310]
13
6000
0
1
1
0
1
2
DIO 8/8
[QMV2.A100]
0
0100
0
0
0
0
1
2
Slot A module
[QMV2.A101]
0
0100
1
0
0
0
1
2
Slot A module allowed under R200
[QMV2.B100]
0
0080
0
0
0
0
1
2
Slot B module
[QMV2.N040]
0
0040
0
0
0
0
1
2
Bus terminator
[QMV2.E301]
42
5000
0
16
0
0
1
2
AI 8x 12 bit
[QMV2.E312]
63
3000
0
0
8
0
1
2
AO 4x 4-20 mA
[QMV2.H256]
0
5200
0
4
0
0
1
2
High range input
[QMV2.K084]
84
E000
0
4
4
0
2
2
QMV2.K084}QMV2.K084Y
Two-axis encoder
[QMV2.K084Y]
84
6000
0
4
4
0
1
2
Two-axis encoder axis Y
[QMV2.T300]
0
C000
0
8
0
0
3
2
QMV2.T300}NULL}NULL
Three-slot input module
[QMV2.M200]
0
C000
0
2
0
0
2
2
QMV2.M200}QMV2.MISSING
Module with an unknown sub-entry
[NULL]
0
0
0
0
0
0
1
0
 
[QMV3.D110]
11
4000
0
2
0
0
1
3
DI 16x family 3
[QMV3.G510]
11
6000
0
2
2
0
1
3
Gateway
)";
}  // namespace

std::string testCatalogText()
{
    std::string out;
    for (const char* p = kCatalog; *p; ++p) {
        if (*p == '\n') out += '\r';
        out += *p;
    }
    return out;
}

ModuleCatalog testCatalog()
{
    return parseModuleDescriptions(testCatalogText());
}

int indexOf(const ModuleCatalog& cat, const std::string& bestellNr)
{
    int i = cat.indexOf(bestellNr);
    EXPECT_NE(i, 0) << bestellNr << " not in the test catalog";
    return i;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string dataPath(const std::string& name)
{
    return std::string(RM_TEST_DATA) + "/" + name;
}

}  // namespace rm::test
