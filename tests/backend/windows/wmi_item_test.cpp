// A query item's array reads, against an object that counts what it is
// asked: an item reads an array once and answers every element from it.
#include "wmi_item.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "bstr.h"
#include "com_errors.h"
#include "host_printing.h"
#include "safe_array.h"
#include "sysinfo/host_errors.h"
#include "variant.h"

namespace tallowin::windows_backend {
namespace {

// How a provider answers "IPAddress" read with an index argument.
enum class Provider { AnswersTheArray, TakesNoIndex, AnswersTheElement };

constexpr DISPID kAddresses = 1;

// An object with one property, "IPAddress", that counts its reads. It lives
// on the test's stack: its reference count is kept but frees nothing. (COM
// objects go by Release, never by a delete through the interface, so the
// interface has no virtual destructor.)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class AddressObject final : public IDispatch {
  public:
    AddressObject(Provider provider, std::vector<std::wstring> addresses)
        : provider_(provider), addresses_(std::move(addresses)) {}

    int reads = 0;
    HRESULT failNextRead = S_OK;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (id != IID_IUnknown && id != IID_IDispatch) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override { return --references_; }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID,
                                            DISPID* ids) override {
        if (count != 1 || _wcsicmp(names[0], L"IPAddress") != 0) return DISP_E_UNKNOWNNAME;
        ids[0] = kAddresses;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID, WORD, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO*, UINT*) override {
        ++reads;
        if (member != kAddresses) return DISP_E_MEMBERNOTFOUND;
        if (FAILED(failNextRead)) return std::exchange(failNextRead, S_OK);
        const bool indexed = parameters->cArgs > 0;
        if (indexed && provider_ == Provider::TakesNoIndex) return DISP_E_BADPARAMCOUNT;
        if (indexed && provider_ == Provider::AnswersTheElement) {
            const auto index = static_cast<std::size_t>(parameters->rgvarg[0].iVal);
            if (index >= addresses_.size()) return DISP_E_BADINDEX;
            VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = Bstr(addresses_[index]).release();
            return S_OK;
        }
        SAFEARRAYBOUND bound{static_cast<ULONG>(addresses_.size()), 0};
        SafeArray array(SafeArrayCreate(VT_BSTR, 1, &bound));
        for (LONG i = 0; i < static_cast<LONG>(addresses_.size()); ++i) {
            Bstr text(addresses_[static_cast<std::size_t>(i)]);
            SafeArrayPutElement(array.get(), &i, text.get());
        }
        VariantInit(result);
        result->vt = VT_ARRAY | VT_BSTR;
        result->parray = array.release();
        return S_OK;
    }

  private:
    Provider provider_;
    std::vector<std::wstring> addresses_;
    ULONG references_ = 1;
};
#pragma GCC diagnostic pop

const std::vector<std::wstring> kWide{L"192.0.2.7", L"192.0.2.8", L"fe80::1"};
const TextArray kAddressTexts{"192.0.2.7", "192.0.2.8", "fe80::1"};

struct ReadCase {
    Provider provider;
    int readsForEveryElementAndOneBeyond;
    HostError beyond;
};

class ArrayReads : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ArrayReads, askTheObjectOnceForAnArrayItAnswers) {
    const ReadCase& c = GetParam();
    AddressObject object(c.provider, kWide);
    const auto item = makeWmiItem(&object);
    for (std::size_t i = 0; i < kAddressTexts.size(); ++i) {
        EXPECT_EQ(item->element("IPAddress", static_cast<std::int16_t>(i)),
                  HostValue{kAddressTexts[i]});
    }
    EXPECT_EQ(item->element("IPAddress", 3), std::unexpected(c.beyond));
    EXPECT_EQ(object.reads, c.readsForEveryElementAndOneBeyond);

    // The whole array, read once more at most; after it every element comes
    // from the item.
    EXPECT_EQ(item->property("IPAddress"), HostValue{kAddressTexts});
    const int readsSoFar = object.reads;
    EXPECT_EQ(item->element("IPAddress", 2), HostValue{kAddressTexts[2]});
    EXPECT_EQ(item->element("IPAddress", -1),
              std::unexpected(tallowin::errors::subscriptOutOfRange()));
    EXPECT_EQ(item->property("IPAddress"), HostValue{kAddressTexts});
    EXPECT_EQ(object.reads, readsSoFar);
}

INSTANTIATE_TEST_SUITE_P(
    EachProvider, ArrayReads,
    ::testing::Values(ReadCase{Provider::AnswersTheArray, 1,
                               tallowin::errors::subscriptOutOfRange()},
                      // The indexed read is refused, then the array read without an index.
                      ReadCase{Provider::TakesNoIndex, 2, tallowin::errors::subscriptOutOfRange()},
                      // No array to keep: every element is the object's own answer.
                      ReadCase{Provider::AnswersTheElement, 4, fromHresult(DISP_E_BADINDEX)}));

TEST(ArrayReadsThatFail, keepNothing) {
    AddressObject object(Provider::AnswersTheArray, kWide);
    const auto item = makeWmiItem(&object);
    object.failNextRead = E_FAIL;
    EXPECT_EQ(item->element("IPAddress", 0), std::unexpected(fromHresult(E_FAIL)));
    EXPECT_EQ(item->element("IPAddress", 0), HostValue{kAddressTexts[0]});
    EXPECT_EQ(item->element("IPAddress", 1), HostValue{kAddressTexts[1]});
    EXPECT_EQ(object.reads, 2);
    EXPECT_FALSE(item->property("NoSuchName"));
}

}  // namespace
}  // namespace tallowin::windows_backend
