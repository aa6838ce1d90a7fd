#pragma once
// Helper of the calendar and moon tests: expected exceptions with their messages.

#include <gtest/gtest.h>

#include <string>

namespace orbelune::moontest {

// Expects `call` to raise the exception type with exactly `message`.
template <typename Exception, typename Call>
void ExpectRaises(Call call, const std::string& message) {
    try {
        call();
        ADD_FAILURE() << "no exception, expected \"" << message << "\"";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

}  // namespace orbelune::moontest
