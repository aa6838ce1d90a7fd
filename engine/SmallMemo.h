// A small memo of a pure function's results that threads may share: the last N
// (key, value) pairs stored, behind a mutex; a lookup hands out a copy. The weather
// thread and the user-interface thread both call the engine, so every memo of the
// engine is one of these.
//
// A memo never changes a result: it only keeps values that the function would compute
// again the same way. When it is full the oldest entry makes room.
#pragma once

#include <array>
#include <cstddef>
#include <mutex>
#include <optional>
#include <utility>

namespace orbelune {

template <typename Key, typename Value, std::size_t N>
class TSmallMemo {
public:
    std::optional<Value> Find(const Key& key) const {
        const std::lock_guard<std::mutex> lock(Mutex);
        for (const auto& entry : Entries)
            if (entry && entry->first == key) return entry->second;
        return std::nullopt;
    }

    void Store(const Key& key, const Value& value) {
        const std::lock_guard<std::mutex> lock(Mutex);
        for (auto& entry : Entries)
            if (entry && entry->first == key) return;
        Entries[Next] = std::make_pair(key, value);
        Next = (Next + 1) % N;
    }

    // The value for key: from the memo, or computed by make() and kept.
    template <typename Make>
    Value Get(const Key& key, Make make) {
        if (std::optional<Value> known = Find(key)) return *known;
        Value value = make();
        Store(key, value);
        return value;
    }

private:
    mutable std::mutex Mutex;
    std::array<std::optional<std::pair<Key, Value>>, N> Entries{};
    std::size_t Next = 0;
};

}  // namespace orbelune
