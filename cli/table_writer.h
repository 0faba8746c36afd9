#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace tarvelle::cli {

// Writes a table of d, D and Z row by row, through a buffer of its own that goes out
// in large blocks: constant memory, and no flush per row.
class TableWriter {
public:
    TableWriter(std::FILE* out, char separator);
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    void row(std::string_view small, std::string_view large, std::string_view impedance);

private:
    std::FILE* out_;
    char separator_;
    std::string pending_;
};

}  // namespace tarvelle::cli
