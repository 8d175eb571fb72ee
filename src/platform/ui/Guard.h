#pragma once
#include <functional>
#include <string>

namespace vx::ui {

class Toolkit;

// The text the error box shows: a full stop is added when the last character sorts after '.'.
std::wstring errorBoxText(const std::wstring& message);

// Runs an event handler; an error it raises is shown in the application's error box and the
// program goes on. Returns false when the handler failed.
bool guarded(Toolkit& toolkit, const std::function<void()>& handler);

// Runs a handler and passes an error on as the error box's text (for callers that report it).
std::wstring errorTextOf(const std::function<void()>& handler);

} // namespace vx::ui
