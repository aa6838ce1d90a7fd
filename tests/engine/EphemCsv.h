// Reads the reference tables of tests/data: comma-separated, '#' lines are
// comments, the first other line names the columns.
#pragma once

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace orbelune::testing {

struct CsvRow {
    std::map<std::string, std::string> Fields;
    const std::string& Text(const std::string& Name) const { return Fields.at(Name); }
    double Num(const std::string& Name) const { return std::stod(Fields.at(Name)); }
    int Int(const std::string& Name) const { return std::stoi(Fields.at(Name)); }
};

inline std::vector<std::string> SplitCsv(const std::string& Line, char Sep = ',') {
    std::vector<std::string> Out;
    std::string Field;
    std::istringstream In(Line);
    while (std::getline(In, Field, Sep)) Out.push_back(Field);
    if (!Line.empty() && Line.back() == Sep) Out.emplace_back();
    return Out;
}

inline std::vector<CsvRow> ReadCsv(const std::string& FileName) {
    std::ifstream In(std::string(ORBELUNE_TEST_DATA) + "/" + FileName);
    if (!In) throw std::runtime_error("cannot read " + FileName);
    std::vector<CsvRow> Rows;
    std::vector<std::string> Names;
    std::string Line;
    while (std::getline(In, Line)) {
        if (Line.empty() || Line[0] == '#') continue;
        auto Cells = SplitCsv(Line);
        if (Names.empty()) {
            Names = Cells;
            continue;
        }
        CsvRow Row;
        for (size_t i = 0; i < Names.size() && i < Cells.size(); ++i)
            Row.Fields[Names[i]] = Cells[i];
        for (size_t i = Cells.size(); i < Names.size(); ++i) Row.Fields[Names[i]] = "";
        Rows.push_back(std::move(Row));
    }
    return Rows;
}

// Difference of two angles in degrees, brought into -180..180.
inline double AngleDiff(double A, double B) {
    double D = std::fmod(A - B, 360.0);
    if (D > 180.0) D -= 360.0;
    if (D < -180.0) D += 360.0;
    return D;
}

}  // namespace orbelune::testing
