#include "cli/table_writer.h"

namespace tarvelle::cli {
namespace {

constexpr std::size_t blockSize = 1 << 16;

}  // namespace

TableWriter::TableWriter(std::FILE* out, char separator, bool details, std::vector<std::string> extraHeaders)
    : out_(out), separator_(separator), details_(details), extraColumns_(extraHeaders.size())
{
    pending_.reserve(blockSize + 256);
    row("d (mm)", "D (mm)", "Z (ohms)", {"v/c", "C (pF/m)", "L (nH/m)"}, extraHeaders);
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
                      const LineDetails& details, const std::vector<std::string>& extra)
{
    cell(small, separator_);
    cell(large, separator_);
    cell(impedance, details_ ? separator_ : '\n');
    if (details_) {
        cell(details.velocityFactor, separator_);
        cell(details.capacitance, separator_);
        cell(details.inductance, extraColumns_ > 0 ? separator_ : '\n');
        // A row without them leaves their cells empty.
        for (std::size_t i = 0; i < extraColumns_; ++i)
            cell(i < extra.size() ? std::string_view(extra[i]) : std::string_view(), i + 1 < extraColumns_ ? separator_ : '\n');
    }
    if (pending_.size() >= blockSize) {
        std::fwrite(pending_.data(), 1, pending_.size(), out_);
        pending_.clear();
    }
}

}  // namespace tarvelle::cli
