// Address assignment: the lowest free range at or above the requested start.
#include <gtest/gtest.h>

#include <optional>

#include "core/project/ProjectFixture.h"

namespace rm::test {
namespace {

class Addresses : public ProjectFixture {
public:
    Addresses() { EXPECT_TRUE(place("QMV2.R300", 1)); }

    // A request for addresses for a module in `row`, starting at `in` and
    // `out`, and what it must give.
    struct Request {
        int row, flags, inCnt, in, wantIn;
        std::optional<AddressResult> result = std::nullopt;
        int outCnt = 0, out = 0, wantOut = 0, kennung = 0;
    };
    void request(const Request& q)
    {
        SCOPED_TRACE("request in row " + std::to_string(q.row) + " from " + std::to_string(q.in));
        RowEintrag m;
        m.BestellNr = "X.NEW";
        m.ModFlags = static_cast<int16_t>(q.flags);
        m.InCnt = q.inCnt;
        m.OutCnt = static_cast<int16_t>(q.outCnt);
        m.Kennung = static_cast<uint8_t>(q.kennung);
        app.CurrentModule = m;
        table.setCurrentRow(q.row);
        int16_t in = static_cast<int16_t>(q.in), out = static_cast<int16_t>(q.out);
        const AddressResult res = table.AdresseErmitteln(in, out, true);
        if (q.result) {
            EXPECT_EQ(res, *q.result);
        }
        EXPECT_EQ(in, q.wantIn);
        EXPECT_EQ(out, q.wantOut);
        if (res == AddressResult::NoAddresses || res == AddressResult::OutOfRange) {
            EXPECT_TRUE(table.record(q.row).isEmpty());
        } else {  // the row's record takes the module
            EXPECT_EQ(table.record(q.row).InBase, q.wantIn);
            EXPECT_EQ(app.CurrentModule.InBase, q.wantIn);
        }
    }
};

// A record holding an input and/or output range, as a file would leave it.
struct Occupied {
    int row, inBase, inCnt, outBase = 0, outCnt = 0;
};
struct AddressCase {
    const char* name;
    std::vector<Occupied> occupied;
    std::vector<Addresses::Request> requests;  // in order, on one table
};

class AddressRules : public Addresses, public ::testing::WithParamInterface<AddressCase> {};

TEST_P(AddressRules, GiveTheExpectedRanges)
{
    for (const Occupied& o : GetParam().occupied) {
        RowEintrag& r = table.record(o.row);
        r.BestellNr = "X.R" + std::to_string(o.row);
        r.IsHead = kTrue;
        r.ModFlags = static_cast<int16_t>((o.inCnt ? flags::Inputs : 0) | (o.outCnt ? flags::Outputs : 0));
        r.InBase = static_cast<int16_t>(o.inBase);
        r.InCnt = o.inCnt;
        r.OutBase = static_cast<int16_t>(o.outBase);
        r.OutCnt = static_cast<int16_t>(o.outCnt);
    }
    for (const Request& q : GetParam().requests) request(q);
}

constexpr int In = flags::Inputs, Out = flags::Outputs, Even = flags::Even, Min256 = flags::Min256;
using R = AddressResult;

const AddressCase kCases[] = {
    // Ranges that only touch do not conflict.
    {"OverlapsMoveTheStart", {{5, 0, 8}}, {{6, In, 4, 0, 8, R::Moved}, {7, In, 4, 12, 12, R::Kept}}},
    {"EvenModulesStayEven", {{5, 0, 7}}, {{6, In | Even, 4, 0, 8}, {7, In | Even, 2, 21, 22}}},
    // Ranges listed out of order: 10..11 first, then 0..9.
    {"SearchRestartsAfterEveryMove", {{5, 10, 2}, {6, 0, 10}}, {{7, In, 4, 0, 12}}},
    // A module with only inputs gets output address 0.
    {"InputsAndOutputsAreIndependent",
     {{5, 0, 2, 0, 2}, {6, 0, 0, 2, 2}},
     {{7, In | Out, 2, 0, 2, R::Moved, 2, 0, 4}, {8, In, 2, 20, 20, std::nullopt, 0, 77, 0}}},
    // 256 is taken by the first module; without the even flag, 0x0200 alone
    // does not raise the start.
    {"MinimumOf256",
     {},
     {{5, In, 4, 0, 256, std::nullopt, 0, 0, 0, 0x84},
      {6, In | Even | Min256, 4, 300, 300, R::Kept},
      {7, In | Even | Min256, 4, 10, 260},
      {8, In | Min256, 2, 10, 10}}},
    {"ModulesWithoutAddressesChangeNothing", {}, {{5, 0, 0, 5, 5, R::NoAddresses, 0, 6, 6}}},
    {"TheModuleInTheRowItselfNeverConflicts", {{5, 0, 8}}, {{5, In, 8, 0, 0, R::Kept}}},
    {"RecordsOfEveryRowCountEvenWhenHidden", {{90, 0, 4}, {100, 4, 4}}, {{5, In, 2, 0, 8}}},
    // 31000..31989 is taken: the room above it holds 10 bytes below the limit.
    {"RangesNeverReachTheAddressLimit",
     {{5, 31000, 990}},
     {{6, In, 16, 31000, 31000, R::OutOfRange},
      {6, In, 11, 31000, 31000, R::OutOfRange},
      {6, In, 10, 31000, 31990, R::Moved}}},
};

INSTANTIATE_TEST_SUITE_P(Addresses, AddressRules, ::testing::ValuesIn(kCases),
                         [](const auto& p) { return std::string(p.param.name); });

// Placing a module whose range cannot fit is refused with the limit message,
// and the row keeps what it had.
TEST_F(Addresses, ModulesPastTheLimitAreRefused)
{
    EXPECT_TRUE(CheckMaxAddress(app, 31999));
    RowEintrag big = app.ModulKatalog.LookupCatalog("QMV2.D110");
    big.InBase = 32767;
    big.InCnt = 2;
    big.IsHead = kTrue;
    app.CurrentModule = big;
    table.setCurrentRow(7);
    asker.expect("maximale Address: 32000\nNo free range for this module lies below 32000", answer::Ok);
    EXPECT_FALSE(table.WriteRowEintrag(RecordFrom::CurrentModule));
    EXPECT_TRUE(table.rowEmpty(7));
    EXPECT_TRUE(table.record(7).isEmpty());
}

}  // namespace
}  // namespace rm::test
