#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace app {

/// The text the user sees for an error: a remote or wire error shows its message, any other
/// exception its what().
QString errorText(const std::exception_ptr& error);

/// The application's default error display: the error's text in an error message box. Main thread.
void showError(const std::exception_ptr& error);

/// Runs `action` on the main thread; an exception escaping it goes to showError instead of the
/// event loop.
void runShowingErrors(const std::function<void()>& action);

}  // namespace app
