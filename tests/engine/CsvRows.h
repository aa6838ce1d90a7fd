// Reads the reference-value files of tests/data: comma-separated rows, lines that
// start with '#' are comments.
#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace orbelune::test {

inline std::vector<std::vector<std::string>> CsvRows(const std::string& name) {
    std::ifstream in(std::string(ORBELUNE_TEST_DATA) + "/" + name);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream fieldStream(line);
        for (std::string field; std::getline(fieldStream, field, ',');) fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

// The rows of a file whose first row names the columns, without that row.
inline std::vector<std::vector<std::string>> CsvRecords(const std::string& name) {
    std::vector<std::vector<std::string>> rows = CsvRows(name);
    if (!rows.empty()) rows.erase(rows.begin());
    return rows;
}

}  // namespace orbelune::test
