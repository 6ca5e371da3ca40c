#pragma once
// The handler guard: no exception ever crosses a Qt frame.
//
// Every event handler runs through guarded(): an error's message goes to the
// error sink and the rest of the handler is skipped; the window stays open.
// The sink is standard error until the window layer puts its message box in
// (widgets/guard/MessageBox.h), so this floor needs no widgets.
#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace kv {

using ErrorSink = std::function<void(const std::string& message)>;

// Replaces where error messages go (the message box, tests); an empty sink
// means standard error. Returns the old sink.
ErrorSink setErrorSink(ErrorSink sink);
// Shows one error message through the current sink.
void showError(const std::string& message);

// Runs f; reports an exception's message and returns false instead of throwing.
template <class F>
bool guarded(F&& f) noexcept {
    try {
        std::forward<F>(f)();
        return true;
    } catch (const std::exception& e) {
        showError(e.what());
    } catch (...) {
        showError("Unknown error");
    }
    return false;
}

// A slot that runs a member handler through the guard:
//   connect(SolveBtn, &QToolButton::clicked, this, kv::guard(this, &TMeasForm::SolveBtnClick));
template <class Obj, class... Args>
auto guard(Obj* object, void (Obj::*handler)(Args...)) {
    return [object, handler](Args... args) { guarded([&] { (object->*handler)(args...); }); };
}

// A slot that runs any callable through the guard.
template <class F>
auto guard(F f) {
    return [f = std::move(f)](auto&&... args) { guarded([&] { f(std::forward<decltype(args)>(args)...); }); };
}

}  // namespace kv
