#pragma once
// The message of the error an action throws, for comparing with the text the
// user would see; "(no error)" when it throws none. Errors of other types than
// E pass through and fail the test.
#include <exception>
#include <string>

template <class E = std::exception, class F>
std::string messageOf(F&& action) {
    try {
        action();
    } catch (const E& e) {
        return e.what();
    }
    return "(no error)";
}
