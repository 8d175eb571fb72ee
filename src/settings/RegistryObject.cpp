#include "settings/RegistryObject.h"
#include "platform/Error.h"

namespace vx {

using platform::RegValue;
namespace regtype = platform::regtype;

namespace regvalue {

std::wstring decodeString(const std::wstring& name, const RegValue* value) {
    if (!value || value->data.empty())
        return {};
    if (value->type != regtype::String && value->type != regtype::ExpandString)
        throw Error(L"Invalid data type for '" + name + L"'");
    std::wstring text;
    const auto& d = value->data;
    for (std::size_t i = 0; i + 1 < d.size(); i += 2) {
        wchar_t c = wchar_t(d[i] | (d[i + 1] << 8));
        if (c == 0)
            break;
        text.push_back(c);
    }
    return text;
}

bool decodeBool(const std::wstring& name, const RegValue* value) {
    if (!value || value->data.size() > 4)
        throw Error(L"Failed to get data for '" + name + L"'");
    if (value->type != regtype::Dword)
        throw Error(L"Invalid data type for '" + name + L"'");
    for (auto byte : value->data)
        if (byte != 0)
            return true;
    return false;
}

RegValue encodeString(const std::wstring& text) {
    RegValue v{regtype::String, {}};
    v.data.reserve((text.size() + 1) * 2);
    for (wchar_t c : text) {
        v.data.push_back(std::uint8_t(c & 0xFF));
        v.data.push_back(std::uint8_t((c >> 8) & 0xFF));
    }
    v.data.push_back(0);
    v.data.push_back(0);
    return v;
}

RegValue encodeBool(bool value) { return RegValue{regtype::Dword, {std::uint8_t(value ? 1 : 0), 0, 0, 0}}; }

std::optional<std::uint32_t> decodeDword(const RegValue* value) {
    if (!value || value->type != regtype::Dword || value->data.size() != 4)
        return std::nullopt;
    const auto& d = value->data;
    return std::uint32_t(d[0]) | std::uint32_t(d[1]) << 8 | std::uint32_t(d[2]) << 16 | std::uint32_t(d[3]) << 24;
}

RegValue encodeDword(std::uint32_t value) {
    return RegValue{regtype::Dword,
                    {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)}};
}

} // namespace regvalue

RegistryObject::RegistryObject(platform::Registry& registry, platform::RegRoot root)
    : registry_(registry), root_(root) {}

bool RegistryObject::openKey(const std::wstring& path) {
    auto key = registry_.open(root_, path);
    if (!key)
        return false;
    key_ = std::move(key);
    return true;
}

void RegistryObject::createKey(const std::wstring& path) {
    if (!registry_.create(root_, path))
        throw Error(L"Failed to create key " + path);
}

void RegistryObject::closeKey() { key_.reset(); }

void RegistryObject::flush() {
    if (key_)
        key_->flush();
}

std::wstring RegistryObject::readString(const std::wstring& name) {
    if (!key_)
        return {};
    auto value = key_->query(name);
    return regvalue::decodeString(name, value ? &*value : nullptr);
}

void RegistryObject::writeString(const std::wstring& name, const std::wstring& text) {
    if (!key_ || !key_->set(name, regvalue::encodeString(text)))
        throw Error(L"Failed to set data for '" + name + L"'");
}

bool RegistryObject::readBool(const std::wstring& name) {
    std::optional<RegValue> value;
    if (key_)
        value = key_->query(name);
    return regvalue::decodeBool(name, value ? &*value : nullptr);
}

void RegistryObject::writeBool(const std::wstring& name, bool value) {
    if (!key_ || !key_->set(name, regvalue::encodeBool(value)))
        throw Error(L"Failed to set data for '" + name + L"'");
}

std::optional<std::uint32_t> RegistryObject::readDword(const std::wstring& name) {
    if (!key_)
        return std::nullopt;
    auto value = key_->query(name);
    return regvalue::decodeDword(value ? &*value : nullptr);
}

void RegistryObject::writeDword(const std::wstring& name, std::uint32_t value) {
    if (!key_ || !key_->set(name, regvalue::encodeDword(value)))
        throw Error(L"Failed to set data for '" + name + L"'");
}

bool RegistryObject::deleteValue(const std::wstring& name) { return key_ && key_->remove(name); }

} // namespace vx
