// The error guard. Every window handler runs its body through Guard, which
// turns a raised store or engine error into the program's general error
// report (a plain message box with the error's exact text, through Prompts)
// and ends the action. Nothing escapes into Qt's event loop.
//
//   connect(button, &QPushButton::clicked, this, Guarded([this] { AddButtonClick(); }));
#pragma once

#include <exception>
#include <type_traits>
#include <utility>

namespace qm {

// Shows the report for the exception in flight. Call only inside a catch.
void ReportCurrentException() noexcept;

// Runs body; returns true when it finished, false when an error was reported.
template <class F>
bool Guard(F&& body) noexcept {
  try {
    std::forward<F>(body)();
    return true;
  } catch (...) {
    ReportCurrentException();
    return false;
  }
}

// Wraps a handler so that a Qt signal can call it safely. The signal's
// arguments are passed on when the handler takes them; a handler without
// parameters may be connected to a signal with some (clicked(bool)).
template <class F>
auto Guarded(F body) {
  return [body = std::move(body)](auto&&... args) noexcept {
    Guard([&] {
      if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
        body(std::forward<decltype(args)>(args)...);
      else
        body();
    });
  };
}

}  // namespace qm
