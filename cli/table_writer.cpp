#include "cli/table_writer.h"

namespace tarvelle::cli {
namespace {

constexpr std::size_t blockSize = 1 << 16;

}  // namespace

TableWriter::TableWriter(std::FILE* out, char separator) : out_(out), separator_(separator)
{
    pending_.reserve(blockSize + 256);
    row("d (mm)", "D (mm)", "Z (ohms)");
}

TableWriter::~TableWriter()
{
    std::fwrite(pending_.data(), 1, pending_.size(), out_);
}

void TableWriter::row(std::string_view small, std::string_view large, std::string_view impedance)
{
    pending_.append(small).append(1, separator_).append(large).append(1, separator_).append(impedance).append(1, '\n');
    if (pending_.size() >= blockSize) {
        std::fwrite(pending_.data(), 1, pending_.size(), out_);
        pending_.clear();
    }
}

}  // namespace tarvelle::cli
