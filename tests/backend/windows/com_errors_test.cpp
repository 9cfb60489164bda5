#include "com_errors.h"

#include <gtest/gtest.h>

#include "bstr.h"
#include "host_printing.h"

namespace tallowin::windows_backend {
namespace {

TEST(ComErrors, numbersHresultsAsTheClassicRuntimeDoes) {
    EXPECT_EQ(errorNumber(static_cast<HRESULT>(0x800A000Du)), 13);
    EXPECT_EQ(errorNumber(static_cast<HRESULT>(0x800A01ADu)), 429);
    EXPECT_EQ(errorNumber(E_NOTIMPL), -2147467263);
    EXPECT_EQ(errorNumber(static_cast<HRESULT>(0x80041015u)), -2147217387);
    EXPECT_EQ(errorNumber(S_FALSE), 1);
}

TEST(ComErrors, describesAFailureWithTheSystemMessageTrimmed) {
    const HostError error = fromHresult(E_ACCESSDENIED);
    EXPECT_EQ(error.number, -2147024891);
    EXPECT_FALSE(error.description.empty());
    EXPECT_EQ(error.description.find_first_of("\r\n"), std::string::npos);
    EXPECT_NE(error.description.back(), ' ');
    EXPECT_EQ(fromWin32(ERROR_ACCESS_DENIED), error);
}

TEST(ComErrors, saysAutomationErrorWhereTheSystemHasNoMessage) {
    EXPECT_EQ(fromHresult(static_cast<HRESULT>(0x8004FFFFu)),
              (HostError{-2147155969, "Automation error"}));
}

TEST(ComErrors, trimsTrailingBlanksAndLineBreaksOnly) {
    EXPECT_EQ(trimmedDescription(L"  Not found. \r\n\t "), "  Not found.");
    EXPECT_EQ(trimmedDescription(L"one\r\ntwo\r\n"), "one\r\ntwo");
    EXPECT_EQ(trimmedDescription(L" \r\n"), "");
}

TEST(ComErrors, takesAnExceptionsCodeAndDescription) {
    EXCEPINFO withCode{};
    withCode.wCode = 1004;
    withCode.scode = E_FAIL;
    withCode.bstrDescription = Bstr(L"Application-defined error\r\n").release();
    EXPECT_EQ(fromException(withCode), (HostError{1004, "Application-defined error"}));
    EXPECT_EQ(withCode.bstrDescription, nullptr);  // taken over and freed

    EXCEPINFO withScode{};
    withScode.scode = static_cast<SCODE>(0x80041017u);
    withScode.bstrDescription = Bstr(L"Invalid query ").release();
    withScode.bstrSource = Bstr(L"SWbemServicesEx").release();
    EXPECT_EQ(fromException(withScode), (HostError{-2147217385, "Invalid query"}));
}

TEST(ComErrors, fallsBackToTheSystemMessageForAnExceptionWithoutDescription) {
    // What Wine's network object answers for ComputerName.
    EXCEPINFO exception{};
    exception.scode = E_NOTIMPL;
    const HostError error = fromException(exception);
    EXPECT_EQ(error.number, -2147467263);
    EXPECT_EQ(error.description, systemMessage(E_NOTIMPL));
    EXPECT_FALSE(error.description.empty());
}

HRESULT STDAPICALLTYPE fillIn(EXCEPINFO* exception) {
    exception->scode = static_cast<SCODE>(0x800A0046u);
    exception->bstrDescription = SysAllocString(L"Permission denied");
    return S_OK;
}

TEST(ComErrors, runsTheDeferredFillInFirst) {
    EXCEPINFO exception{};
    exception.pfnDeferredFillIn = fillIn;
    EXPECT_EQ(fromException(exception), (HostError{70, "Permission denied"}));
}

}  // namespace
}  // namespace tallowin::windows_backend
