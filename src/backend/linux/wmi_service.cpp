#include "wmi_service.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "backend_errors.h"
#include "sysinfo/guarded.h"
#include "sysinfo/host_errors.h"
#include "wmi_classes.h"
#include "wql.h"

namespace tallowin::linux_backend {
namespace {

struct Snapshot {
    const WmiClass* wmiClass = nullptr;
    std::vector<WmiRow> rows;
};

class Item final : public WmiItem {
  public:
    Item(std::shared_ptr<const Snapshot> snapshot, std::size_t row)
        : snapshot_(std::move(snapshot)), row_(row) {}

    HostResult<HostValue> property(std::string_view name) override {
        return guarded([&]() -> HostResult<HostValue> {
            const HostValue* value = stored(name);
            if (value == nullptr) {
                return std::unexpected(errors::noSuchMember());
            }
            return *value;
        });
    }

    // Reads the one element in place: its cost does not grow with the array.
    HostResult<HostValue> element(std::string_view name, std::int16_t index) override {
        return guarded([&]() -> HostResult<HostValue> {
            const HostValue* value = stored(name);
            if (value == nullptr) {
                return std::unexpected(errors::noSuchMember());
            }
            const auto* array = std::get_if<TextArray>(value);
            if (array == nullptr) {
                return std::unexpected(tallowin::errors::typeMismatch());
            }
            if (index < 0 || static_cast<std::size_t>(index) >= array->size()) {
                return std::unexpected(tallowin::errors::subscriptOutOfRange());
            }
            return (*array)[static_cast<std::size_t>(index)];
        });
    }

  private:
    // The snapshot's value of the property, or null when the class has none.
    [[nodiscard]] const HostValue* stored(std::string_view name) const {
        const auto index = snapshot_->wmiClass->propertyIndex(name);
        return index ? &snapshot_->rows[row_][*index] : nullptr;
    }

    std::shared_ptr<const Snapshot> snapshot_;
    std::size_t row_;
};

class Walk final : public WmiWalk {
  public:
    explicit Walk(std::shared_ptr<const Snapshot> snapshot) : snapshot_(std::move(snapshot)) {}

    HostResult<std::unique_ptr<WmiItem>> next() override {
        return guarded([&]() -> HostResult<std::unique_ptr<WmiItem>> {
            if (next_ >= snapshot_->rows.size()) {
                return nullptr;
            }
            return std::make_unique<Item>(snapshot_, next_++);
        });
    }

  private:
    std::shared_ptr<const Snapshot> snapshot_;
    std::size_t next_ = 0;
};

class Collection final : public WmiCollection {
  public:
    explicit Collection(std::shared_ptr<const Snapshot> snapshot)
        : snapshot_(std::move(snapshot)) {}

    HostResult<std::unique_ptr<WmiWalk>> walk() override {
        return guarded([&]() -> HostResult<std::unique_ptr<WmiWalk>> {
            return std::make_unique<Walk>(snapshot_);
        });
    }

  private:
    std::shared_ptr<const Snapshot> snapshot_;
};

// Which properties of the class the query selected, or nothing when it
// names one the class does not have.
std::optional<std::vector<bool>> selection(const WmiClass& wmiClass, const WqlQuery& query) {
    std::vector<bool> selected(wmiClass.properties.size(), query.properties.empty());
    for (const std::string& name : query.properties) {
        const auto index = wmiClass.propertyIndex(name);
        if (!index) {
            return std::nullopt;
        }
        selected[*index] = true;
    }
    return selected;
}

HostResult<std::unique_ptr<WmiCollection>> runQuery(const Environment& environment,
                                                    std::string_view wql) {
    const auto query = parseWql(wql);
    if (!query) {
        return std::unexpected(errors::invalidQuery());
    }
    const WmiClass* wmiClass = findWmiClass(query->className);
    if (wmiClass == nullptr) {
        return std::unexpected(errors::invalidClass());
    }
    const auto selected = selection(*wmiClass, *query);
    std::optional<std::size_t> filter;
    if (query->whereTrue) {
        filter = wmiClass->propertyIndex(*query->whereTrue);
    }
    if (!selected || (query->whereTrue && !filter)) {
        return std::unexpected(errors::invalidQuery());
    }
    auto rows = wmiClass->instances(environment);
    if (!rows) {
        return std::unexpected(std::move(rows.error()));
    }
    const auto misshapen = [&](const WmiRow& row) {
        return row.size() != wmiClass->properties.size();
    };
    if (std::ranges::any_of(*rows, misshapen)) {
        return std::unexpected(tallowin::errors::internalError());
    }
    if (filter) {
        const HostValue wanted = true;
        std::erase_if(*rows, [&](const WmiRow& row) { return row[*filter] != wanted; });
    }
    for (WmiRow& row : *rows) {
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (!(*selected)[i]) {
                row[i] = Null{};
            }
        }
    }
    auto snapshot = std::make_shared<Snapshot>(Snapshot{wmiClass, std::move(*rows)});
    return std::make_unique<Collection>(std::move(snapshot));
}

class Service final : public WmiService {
  public:
    explicit Service(std::shared_ptr<const Environment> environment)
        : environment_(std::move(environment)) {}

    HostResult<std::unique_ptr<WmiCollection>> execQuery(std::string_view wql) override {
        return guarded([&] { return runQuery(*environment_, wql); });
    }

  private:
    std::shared_ptr<const Environment> environment_;
};

}  // namespace

std::unique_ptr<WmiService> makeWmiService(std::shared_ptr<const Environment> environment) {
    return std::make_unique<Service>(std::move(environment));
}

}  // namespace tallowin::linux_backend
