#pragma once
#include "platform/Registry.h"
#include <functional>
#include <map>
#include <set>
#include <utility>

namespace vx::fakes {

// An in-memory registry: keys by root and path (case as written), values by name.
class FakeRegistry : public platform::Registry {
  public:
    using Values = std::map<std::wstring, platform::RegValue>;
    using KeyId = std::pair<platform::RegRoot, std::wstring>;

    std::map<KeyId, Values> keys;
    std::set<KeyId> readOnly; // keys whose values cannot be set or deleted
    bool failCreate = false;
    int openCount = 0;
    int openKeys = 0; // keys open right now
    int flushes = 0;
    std::function<void()> onKeyClosed; // runs as a key is closed, so a test can see what came first

    Values* find(platform::RegRoot root, const std::wstring& path) {
        auto it = keys.find({root, path});
        return it == keys.end() ? nullptr : &it->second;
    }

    std::unique_ptr<platform::RegistryKey> open(platform::RegRoot root, const std::wstring& path) override;
    bool create(platform::RegRoot root, const std::wstring& path) override {
        if (failCreate)
            return false;
        keys[{root, path}];
        return true;
    }
};

class FakeRegistryKey : public platform::RegistryKey {
  public:
    FakeRegistryKey(FakeRegistry& registry, FakeRegistry::KeyId id) : registry_(registry), id_(std::move(id)) {
        ++registry_.openKeys;
    }
    ~FakeRegistryKey() override {
        --registry_.openKeys;
        if (registry_.onKeyClosed)
            registry_.onKeyClosed();
    }

    std::optional<platform::RegValue> query(const std::wstring& name) override {
        auto* values = registry_.find(id_.first, id_.second);
        if (!values || !values->count(name))
            return std::nullopt;
        return values->at(name);
    }
    bool set(const std::wstring& name, const platform::RegValue& value) override {
        auto* values = registry_.find(id_.first, id_.second);
        if (!values || registry_.readOnly.count(id_))
            return false;
        (*values)[name] = value;
        return true;
    }
    bool remove(const std::wstring& name) override {
        auto* values = registry_.find(id_.first, id_.second);
        if (!values || registry_.readOnly.count(id_))
            return false;
        return values->erase(name) > 0;
    }
    void flush() override { ++registry_.flushes; }

  private:
    FakeRegistry& registry_;
    FakeRegistry::KeyId id_;
};

inline std::unique_ptr<platform::RegistryKey> FakeRegistry::open(platform::RegRoot root, const std::wstring& path) {
    if (!find(root, path))
        return nullptr;
    ++openCount;
    return std::make_unique<FakeRegistryKey>(*this, KeyId{root, path});
}

} // namespace vx::fakes
