#include "platform/ui/Guard.h"
#include "platform/Error.h"
#include "platform/ui/Toolkit.h"
#include <exception>
#include <new>

namespace vx::ui {

std::wstring errorBoxText(const std::wstring& message) {
    if (!message.empty() && message.back() > L'.')
        return message + L".";
    return message;
}

std::wstring errorTextOf(const std::function<void()>& handler) {
    try {
        handler();
        return {};
    } catch (const Error& e) {
        return e.message().empty() ? std::wstring(L"Error") : e.message();
    } catch (const std::bad_alloc&) {
        return L"Out of memory";
    } catch (const std::exception& e) {
        std::string narrow = e.what();
        return std::wstring(narrow.begin(), narrow.end());
    }
}

bool guarded(Toolkit& toolkit, const std::function<void()>& handler) {
    if (!handler)
        return true;
    std::wstring text = errorTextOf(handler);
    if (text.empty())
        return true;
    toolkit.showError(errorBoxText(text));
    return false;
}

} // namespace vx::ui
