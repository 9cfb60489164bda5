#include "sysinfo/identity.h"

#include "lookup_error.h"
#include "sysinfo_fixture.h"

namespace tallowin::testing {
namespace {

using IdentityTest = SysInfoTest;

struct NameMethod {
    const char* property;
    std::string (clsSysInfo::*method)() noexcept;
    const char* value;
    std::string_view lookup;  // how the error text names it
};

const NameMethod kNameMethods[] = {
    {"UserName", &clsSysInfo::Zin_GetUserName, "alice", fake::kUserNameLookup},
    {"ComputerName", &clsSysInfo::Zin_GetComputerName, "PC7", fake::kComputerNameLookup},
    {"UserDomain", &clsSysInfo::Zin_GetUserDomain, "CORP", fake::kUserDomainLookup},
};

class EachNameMethod : public SysInfoTest, public ::testing::WithParamInterface<NameMethod> {
  protected:
    std::string call() { return (service.*GetParam().method)(); }
};

TEST_P(EachNameMethod, readsItsOnePropertyFromAFreshObjectAndReleasesIt) {
    EXPECT_EQ(call(), GetParam().value);
    EXPECT_EQ(call(), GetParam().value);
    const std::string read = std::string{"Network."} + GetParam().property;
    EXPECT_EQ(host.log(),
              (std::vector<std::string>{"CreateObject WScript.NetWork", read, "Release Network",
                                        "CreateObject WScript.NetWork", read, "Release Network"}));
}

TEST_P(EachNameMethod, answersAnErrorTextNamingItsOwnPropertyWhenTheObjectCannotBeMade) {
    host.failEvery("CreateObject WScript.NetWork", {429, "ActiveX component can't create object"});
    EXPECT_EQ(call(),
              fake::lookupError("ActiveX component can't create object", 429, GetParam().lookup));
}

TEST_P(EachNameMethod, stepsOverATypeMismatchAndAnswersEmptyText) {
    host.failEvery(std::string{"Network."} + GetParam().property, {13, "Type mismatch"});
    EXPECT_EQ(call(), "");
}

TEST_P(EachNameMethod, answersTheErrorTextForAnyOtherFailedRead) {
    host.failEvery(std::string{"Network."} + GetParam().property,
                   {-2147024891, "Access is denied."});
    EXPECT_EQ(call(), fake::lookupError("Access is denied.", -2147024891, GetParam().lookup));
}

INSTANTIATE_TEST_SUITE_P(ThreeNames, EachNameMethod, ::testing::ValuesIn(kNameMethods),
                         [](const auto& test) { return std::string{test.param.property}; });

TEST_F(IdentityTest, answersEmptyTextForNamesItDoesNotKnowButStillMakesTheObject) {
    for (const char* name : {"computername", "", "Domain", "UserName "}) {
        host.clearLog();
        EXPECT_EQ(Module1::GetNetworkValue(host, name), "") << name;
        EXPECT_EQ(host.log(),
                  (std::vector<std::string>{"CreateObject WScript.NetWork", "Release Network"}));
    }
}

TEST_F(IdentityTest, namesTheGeneralLookupInTheErrorTextForOtherNames) {
    host.failEvery("CreateObject WScript.NetWork", {70, "Permission denied"});
    EXPECT_EQ(Module1::GetNetworkValue(host, "Other"),
              fake::lookupError("Permission denied", 70, fake::kOtherNameLookup));
}

TEST_F(IdentityTest, writesTheDateInTheUsersShortDateFormat) {
    host.setShortDate("22.03.2007");
    host.failEvery("Network.ComputerName", {70, "Permission denied"});
    EXPECT_EQ(service.Zin_GetComputerName(),
              fake::lookupError("Permission denied", 70, fake::kComputerNameLookup, "22.03.2007"));
}

TEST_F(IdentityTest, fallsBackToTheUsDateWhenTheHostCannotWriteIt) {
    host.failEvery("ShortDate", {5, "Invalid procedure call or argument"});
    host.failEvery("Network.UserName", {70, "Permission denied"});
    EXPECT_EQ(service.Zin_GetUserName(),
              fake::lookupError("Permission denied", 70, fake::kUserNameLookup, "3/22/2007"));
}

TEST_F(IdentityTest, keepsTheErrorTextOnOneLine) {
    host.failEvery("Network.UserName", {-2147023174, "The RPC server is unavailable.\r\n"});
    EXPECT_EQ(service.Zin_GetUserName(), fake::lookupError("The RPC server is unavailable.",
                                                           -2147023174, fake::kUserNameLookup));
}

TEST_F(IdentityTest, convertsTheValueAsTheHostDoes) {
    host.identity()["ComputerName"] = std::int64_t{42};
    EXPECT_EQ(service.Zin_GetComputerName(), "42");
    host.identity()["ComputerName"] = TextArray{"PC7"};  // a type mismatch: stepped over
    EXPECT_EQ(service.Zin_GetComputerName(), "");
    host.identity()["ComputerName"] = Null{};
    EXPECT_EQ(service.Zin_GetComputerName(),
              fake::lookupError("Invalid use of Null", 94, fake::kComputerNameLookup));
    host.identity()["ComputerName"] = std::string{"PC\xff"};
    EXPECT_EQ(service.Zin_GetComputerName(), "PC\xef\xbf\xbd");
}

TEST_F(IdentityTest, readsFromNoObjectWhenCreationFailedWithATypeMismatch) {
    host.failEvery("CreateObject WScript.NetWork", {13, "Type mismatch"});
    EXPECT_EQ(service.Zin_GetComputerName(),
              fake::lookupError("Object variable or With block variable not set", 91,
                                fake::kComputerNameLookup));
}

}  // namespace
}  // namespace tallowin::testing
