// Reads the reference files of tests/data: comma-separated rows; lines that start with
// '#' are comments. A file that cannot be read, or that holds no rows, fails the test
// that asked for it: a reference that silently gives nothing would check nothing.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace orbelune::test {

// The fields of one line; a separator at the end opens one more, empty field.
inline std::vector<std::string> SplitCsv(const std::string& line, char separator = ',') {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);) fields.push_back(field);
    if (!line.empty() && line.back() == separator) fields.emplace_back();
    return fields;
}

// Every row of tests/data/<name> that is not a comment.
inline std::vector<std::vector<std::string>> CsvRows(const std::string& name) {
    const std::string path = std::string(ORBELUNE_TEST_DATA) + "/" + name;
    std::ifstream in(path);
    if (!in) {
        ADD_FAILURE() << "cannot read " << path;
        return {};
    }
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);)
        if (!line.empty() && line[0] != '#') rows.push_back(SplitCsv(line));
    if (rows.empty()) ADD_FAILURE() << path << " holds no rows";
    return rows;
}

// The rows of a file whose first row names the columns, without that row.
inline std::vector<std::vector<std::string>> CsvRecords(const std::string& name) {
    std::vector<std::vector<std::string>> rows = CsvRows(name);
    if (!rows.empty()) rows.erase(rows.begin());
    return rows;
}

// One row of a file whose first row names the columns, read by column name.
struct CsvRow {
    std::map<std::string, std::string> Fields;
    const std::string& Text(const std::string& name) const { return Fields.at(name); }
    double Num(const std::string& name) const { return std::stod(Fields.at(name)); }
    int Int(const std::string& name) const { return std::stoi(Fields.at(name)); }
};

// The rows of a file whose first row names the columns; missing trailing fields are
// empty.
inline std::vector<CsvRow> ReadCsv(const std::string& name) {
    const std::vector<std::vector<std::string>> rows = CsvRows(name);
    std::vector<CsvRow> records;
    for (size_t r = 1; r < rows.size(); ++r) {
        CsvRow record;
        for (size_t i = 0; i < rows[0].size(); ++i)
            record.Fields[rows[0][i]] = i < rows[r].size() ? rows[r][i] : "";
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace orbelune::test
