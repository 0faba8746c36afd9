#pragma once

#include "calc/impedance_model.h"

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::cli {

// Writes a table of d, D and Z, with the line's details after them when asked for,
// row by row, through a buffer of its own that goes out in large blocks: constant
// memory, and no flush per row.
class TableWriter {
public:
    // extraHeaders: the headers of more columns after the details, the builder's numbers.
    TableWriter(std::FILE* out, char separator, bool details, std::vector<std::string> extraHeaders = {});
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    // A row without details leaves their columns empty.
    void row(std::string_view small, std::string_view large, std::string_view impedance,
             const LineDetails& details = {}, const std::vector<std::string>& extra = {});

private:
    void cell(std::string_view text, char after);

    std::FILE* out_;
    char separator_;
    bool details_;
    std::size_t extraColumns_;
    std::string pending_;
};

}  // namespace tarvelle::cli
