#include "cli/table_writer.h"

namespace tarvelle::cli {
namespace {

constexpr std::size_t blockSize = 1 << 16;

}  // namespace

TableWriter::TableWriter(std::FILE* out, char separator, bool details)
    : out_(out), separator_(separator), details_(details)
{
    pending_.reserve(blockSize + 256);
    row("d (mm)", "D (mm)", "Z (ohms)", {"v/c", "C (pF/m)", "L (nH/m)"});
}

TableWriter::~TableWriter()
{
    std::fwrite(pending_.data(), 1, pending_.size(), out_);
}

void TableWriter::cell(std::string_view text, char after)
{
    pending_.append(text).append(1, after);
}

void TableWriter::row(std::string_view small, std::string_view large, std::string_view impedance,
                      const LineDetails& details)
{
    cell(small, separator_);
    cell(large, separator_);
    cell(impedance, details_ ? separator_ : '\n');
    if (details_) {
        cell(details.velocityFactor, separator_);
        cell(details.capacitance, separator_);
        cell(details.inductance, '\n');
    }
    if (pending_.size() >= blockSize) {
        std::fwrite(pending_.data(), 1, pending_.size(), out_);
        pending_.clear();
    }
}

}  // namespace tarvelle::cli
