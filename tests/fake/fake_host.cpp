#include "fake_host.h"

#include <string>

#include "sysinfo/host_errors.h"

namespace tallowin::fake {

struct FakeHost::State {
    Item identity;
    std::map<std::string, std::vector<Item>, std::less<>> queries;
    std::optional<std::string> onlyMoniker;
    std::uint64_t ticks = 0;
    int messageBoxAnswer = 1;
    std::optional<std::string> shortDate;

    std::map<std::size_t, HostError> failAtPosition;
    std::map<std::string, HostError, std::less<>> failOperation;

    std::vector<std::string> log;
    std::size_t operationCount = 0;
    std::size_t alive = 0;
    std::size_t created = 0;
    std::vector<MessageBoxCall> messageBoxes;

    // Logs an operation and answers the failure scripted for it, if any.
    std::optional<HostError> operation(std::string entry) {
        const std::size_t position = operationCount++;
        log.push_back(entry);
        if (auto it = failAtPosition.find(position); it != failAtPosition.end()) return it->second;
        if (auto it = failOperation.find(entry); it != failOperation.end()) return it->second;
        return std::nullopt;
    }
};

namespace {

using State = FakeHost::State;

// Counts itself alive from construction and logs its release on destruction.
class Tracked {
  public:
    Tracked(std::shared_ptr<State> state, std::string kind)
        : state_(std::move(state)), kind_(std::move(kind)) {
        ++state_->alive;
        ++state_->created;
    }
    ~Tracked() {
        --state_->alive;
        state_->log.push_back("Release " + kind_);
    }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;

  protected:
    State& state() { return *state_; }
    const std::shared_ptr<State>& shared() { return state_; }

  private:
    std::shared_ptr<State> state_;
    std::string kind_;
};

HostError notAMember() { return {438, "Object doesn't support this property or method"}; }

const HostValue* findMember(const Item& properties, std::string_view name) {
    auto it = properties.find(name);
    return it == properties.end() ? nullptr : &it->second;
}

HostResult<HostValue> readMember(const Item& properties, std::string_view name) {
    const HostValue* value = findMember(properties, name);
    if (value == nullptr) return std::unexpected(notAMember());
    return *value;
}

class FakeNetwork final : public NetworkIdentity, Tracked {
  public:
    explicit FakeNetwork(std::shared_ptr<State> state) : Tracked(std::move(state), "Network") {}

    HostResult<HostValue> property(std::string_view name) override {
        if (auto error = state().operation("Network." + std::string(name))) {
            return std::unexpected(*error);
        }
        return readMember(state().identity, name);
    }
};

class FakeItem final : public WmiItem, Tracked {
  public:
    FakeItem(std::shared_ptr<State> state, Item properties)
        : Tracked(std::move(state), "Item"), properties_(std::move(properties)) {}

    HostResult<HostValue> property(std::string_view name) override {
        if (auto error = state().operation("Item." + std::string(name))) {
            return std::unexpected(*error);
        }
        return readMember(properties_, name);
    }

    HostResult<HostValue> element(std::string_view name, std::int16_t index) override {
        if (auto error = state().operation("Item." + std::string(name) + "(" +
                                           std::to_string(index) + ")")) {
            return std::unexpected(*error);
        }
        const HostValue* value = findMember(properties_, name);
        if (value == nullptr) return std::unexpected(notAMember());
        const auto* array = std::get_if<TextArray>(value);
        if (array == nullptr) return std::unexpected(errors::typeMismatch());
        if (index < 0 || static_cast<std::size_t>(index) >= array->size()) {
            return std::unexpected(errors::subscriptOutOfRange());
        }
        return HostValue{(*array)[static_cast<std::size_t>(index)]};
    }

  private:
    Item properties_;
};

class FakeWalk final : public WmiWalk, Tracked {
  public:
    FakeWalk(std::shared_ptr<State> state, std::vector<Item> items)
        : Tracked(std::move(state), "Walk"), items_(std::move(items)) {}

    HostResult<std::unique_ptr<WmiItem>> next() override {
        if (auto error = state().operation("Next")) return std::unexpected(*error);
        if (position_ == items_.size()) return nullptr;
        return std::make_unique<FakeItem>(shared(), items_[position_++]);
    }

  private:
    std::vector<Item> items_;
    std::size_t position_ = 0;
};

class FakeCollection final : public WmiCollection, Tracked {
  public:
    FakeCollection(std::shared_ptr<State> state, std::vector<Item> items)
        : Tracked(std::move(state), "Collection"), items_(std::move(items)) {}

    HostResult<std::unique_ptr<WmiWalk>> walk() override {
        if (auto error = state().operation("Walk")) return std::unexpected(*error);
        return std::make_unique<FakeWalk>(shared(), items_);
    }

  private:
    std::vector<Item> items_;
};

class FakeService final : public WmiService, Tracked {
  public:
    explicit FakeService(std::shared_ptr<State> state) : Tracked(std::move(state), "Service") {}

    HostResult<std::unique_ptr<WmiCollection>> execQuery(std::string_view wql) override {
        if (auto error = state().operation("ExecQuery " + std::string(wql))) {
            return std::unexpected(*error);
        }
        auto it = state().queries.find(wql);
        std::vector<Item> items = it == state().queries.end() ? std::vector<Item>{} : it->second;
        return std::make_unique<FakeCollection>(shared(), std::move(items));
    }
};

}  // namespace

FakeHost::FakeHost() : state_(std::make_shared<State>()) {}
FakeHost::~FakeHost() = default;

Item& FakeHost::identity() { return state_->identity; }
std::vector<Item>& FakeHost::query(const std::string& wql) { return state_->queries[wql]; }
void FakeHost::acceptOnlyMoniker(std::string moniker) { state_->onlyMoniker = std::move(moniker); }
void FakeHost::setTickCount(std::uint64_t milliseconds) { state_->ticks = milliseconds; }
void FakeHost::setMessageBoxAnswer(int button) { state_->messageBoxAnswer = button; }
void FakeHost::setShortDate(std::string text) { state_->shortDate = std::move(text); }

void FakeHost::failNth(std::size_t position, HostError error) {
    state_->failAtPosition[position] = std::move(error);
}
void FakeHost::failEvery(const std::string& operation, HostError error) {
    state_->failOperation[operation] = std::move(error);
}

const std::vector<std::string>& FakeHost::log() const { return state_->log; }
std::vector<std::string> FakeHost::operations() const {
    std::vector<std::string> operations;
    for (const auto& entry : state_->log) {
        if (!entry.starts_with("Release ")) operations.push_back(entry);
    }
    return operations;
}
std::size_t FakeHost::objectsAlive() const { return state_->alive; }
std::size_t FakeHost::objectsCreated() const { return state_->created; }
const std::vector<MessageBoxCall>& FakeHost::messageBoxes() const { return state_->messageBoxes; }
void FakeHost::clearLog() {
    state_->log.clear();
    state_->operationCount = 0;
}

HostResult<std::unique_ptr<NetworkIdentity>> FakeHost::createNetworkIdentity() {
    if (auto error = state_->operation("CreateObject WScript.NetWork")) {
        return std::unexpected(*error);
    }
    return std::make_unique<FakeNetwork>(state_);
}

HostResult<std::unique_ptr<WmiService>> FakeHost::bindWmi(std::string_view moniker) {
    if (auto error = state_->operation("GetObject " + std::string(moniker))) {
        return std::unexpected(*error);
    }
    if (state_->onlyMoniker && *state_->onlyMoniker != moniker) {
        return std::unexpected(
            HostError{462, "The remote server machine does not exist or is unavailable"});
    }
    return std::make_unique<FakeService>(state_);
}

HostResult<std::uint64_t> FakeHost::tickCount() {
    if (auto error = state_->operation("GetTickCount")) return std::unexpected(*error);
    return state_->ticks;
}

HostResult<int> FakeHost::messageBox(std::string_view prompt, std::int32_t style,
                                     std::optional<std::string_view> title) {
    if (auto error = state_->operation("MsgBox")) return std::unexpected(*error);
    state_->messageBoxes.push_back(
        {std::string(prompt), style,
         title ? std::optional<std::string>(std::string(*title)) : std::nullopt});
    return state_->messageBoxAnswer;
}

HostResult<std::string> FakeHost::shortDate(std::chrono::year_month_day date) {
    if (auto error = state_->operation("ShortDate")) return std::unexpected(*error);
    if (state_->shortDate) return *state_->shortDate;
    return std::to_string(static_cast<unsigned>(date.month())) + "/" +
           std::to_string(static_cast<unsigned>(date.day())) + "/" +
           std::to_string(static_cast<int>(date.year()));
}

}  // namespace tallowin::fake
