#include "ip_addresses.h"

#include <limits>
#include <optional>

#include "host_errors.h"
#include "one_line.h"
#include "wmi_names.h"

namespace tallowin {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kUnsetAddress = "0.0.0.0";
constexpr std::string_view kAddressProperty = "IPAddress";
constexpr int kFailuresToGiveUp = 5;

// Thrown at the fifth failure of a call and caught by that call alone.
struct GaveUp {};

// Counts the failed steps of one call. A failed step is abandoned and the
// call goes on, until the fifth failure makes it give up.
class FailureBudget {
  public:
    void fail() {
        if (++failures_ >= kFailuresToGiveUp) throw GaveUp{};
    }

    template <class T>
    std::optional<T> take(HostResult<T> result) {
        if (result) return std::move(*result);
        fail();
        return std::nullopt;
    }

    // An object the step would have made, or nothing when the step failed.
    template <class T>
    std::unique_ptr<T> takeObject(HostResult<std::unique_ptr<T>> result) {
        return take(std::move(result)).value_or(nullptr);
    }

  private:
    int failures_ = 0;
};

// Calls an operation on a host object; on an absent object the operation
// fails, as it does on the host.
template <class Object, class Operation>
auto onObject(const std::unique_ptr<Object>& object, Operation operation)
    -> decltype(operation(*object)) {
    if (!object) return std::unexpected(errors::objectNotSet());
    return operation(*object);
}

class AddressWalk {
  public:
    AddressWalk(Host& host, std::int32_t mode) : host_(host), mode_(mode) {}

    std::string run() {
        const std::string computerName = readComputerName();
        if (computerName.empty()) return {};

        auto service = budget_.takeObject(host_.bindWmi(wmi::monikerFor(computerName)));
        auto collection = budget_.takeObject(onObject(
            service, [](WmiService& s) { return s.execQuery(wmi::kAdapterAddressesQuery); }));
        walkAdapters(collection);

        if (addressText_.ends_with(kCrLf)) addressText_.resize(addressText_.size() - kCrLf.size());
        return mode_ == address_mode::kCount ? std::to_string(addressCount_) : addressText_;
    }

  private:
    std::string readComputerName() {
        auto network = budget_.takeObject(host_.createNetworkIdentity());
        auto name = budget_.take(andThen(
            onObject(network, [](NetworkIdentity& n) { return n.property("ComputerName"); }),
            toText));
        return name.value_or(std::string{});
    }

    void walkAdapters(const std::unique_ptr<WmiCollection>& collection) {
        auto walk =
            budget_.takeObject(onObject(collection, [](WmiCollection& c) { return c.walk(); }));
        if (!walk) {
            // A walk that cannot start still makes one pass with no adapter;
            // every operation in it fails, and so does moving on.
            visitAdapter(nullptr);
            budget_.fail();
            return;
        }
        for (;;) {
            auto next = budget_.take(walk->next());
            if (!next || !*next) return;  // a failure moving on ends the walk
            item_ = std::move(*next);
            if (visitAdapter(item_) == Visit::LeaveWalk) return;
        }
    }

    enum class Visit { Continue, LeaveWalk };

    Visit visitAdapter(const std::unique_ptr<WmiItem>& adapter) {
        // A failed Null test lets the adapter through.
        auto addresses = budget_.take(readAddresses(adapter));
        if (addresses && isNull(*addresses)) return Visit::Continue;

        if (mode_ == address_mode::kFirst) {
            if (auto first = budget_.take(readElement(adapter, 0)))
                addressText_ = std::move(*first);
            const bool usable = !addressText_.empty() && addressText_ != kUnsetAddress;
            return usable ? Visit::LeaveWalk : Visit::Continue;
        }
        listAddresses(adapter);
        return Visit::Continue;
    }

    void listAddresses(const std::unique_ptr<WmiItem>& adapter) {
        auto lower = budget_.take(andThen(readAddresses(adapter), lowerBound));
        auto upper = budget_.take(andThen(readAddresses(adapter), upperBound));
        if (!lower || !upper) return;  // without both bounds the adapter is passed over

        for (int index = *lower; index <= *upper; ++index) {
            if (auto address =
                    budget_.take(readElement(adapter, static_cast<std::int16_t>(index)))) {
                addressText_ += *address;
                addressText_ += kCrLf;
            }
            countAddress();
        }
        // The 16-bit loop index cannot step past the largest index.
        if (*upper == std::numeric_limits<std::int16_t>::max()) budget_.fail();
    }

    void countAddress() {
        if (addressCount_ == std::numeric_limits<std::int16_t>::max()) {
            budget_.fail();  // the 16-bit count overflows
            return;
        }
        ++addressCount_;
    }

    static HostResult<HostValue> readAddresses(const std::unique_ptr<WmiItem>& adapter) {
        return onObject(adapter, [](WmiItem& a) { return a.property(kAddressProperty); });
    }

    // One address as the windows show it, on one line of its own.
    static HostResult<std::string> readElement(const std::unique_ptr<WmiItem>& adapter,
                                               std::int16_t index) {
        auto text = andThen(
            onObject(adapter, [index](WmiItem& a) { return a.element(kAddressProperty, index); }),
            toText);
        if (text) *text = oneLine(*text);
        return text;
    }

    Host& host_;
    const std::int32_t mode_;
    FailureBudget budget_;
    std::string addressText_;
    std::int16_t addressCount_ = 0;
    std::unique_ptr<WmiItem> item_;  // the current adapter, held until the call ends
};

}  // namespace

std::string enumerateIpAddresses(Host& host, std::int32_t mode) {
    try {
        return AddressWalk(host, mode).run();
    } catch (const GaveUp&) {
        return std::string{kIpAddressErrorText};
    }
}

}  // namespace tallowin
