#pragma once
// Helpers of the calendar and moon tests: expected exceptions and the reference tables
// of tests/data.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orbelune::moontest {

// Expects `call` to raise the exception type with exactly `message`.
template <typename Exception, typename Call>
void ExpectRaises(Call call, const std::string& message)
{
    try {
        call();
        ADD_FAILURE() << "no exception, expected \"" << message << "\"";
    } catch (const Exception& e) {
        EXPECT_EQ(std::string(e.what()), message);
    }
}

// Rows of a reference table: comma-separated fields after a first line naming their
// source ("# ...") and a line of column names. An unreadable file gives no rows.
inline std::vector<std::vector<std::string>> ReadReferenceRows(const std::string& name)
{
    std::ifstream file(std::string(ORBELUNE_TEST_DATA) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    std::string line;
    bool sawHeader = false;
    while (std::getline(file, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        if (!sawHeader) {
            sawHeader = true;
            continue;
        }
        std::vector<std::string> fields;
        std::stringstream stream(line);
        std::string field;
        while (std::getline(stream, field, ','))
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

}  // namespace orbelune::moontest
