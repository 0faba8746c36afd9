#include "gif_writer.h"

#include <map>
#include <utility>

namespace {

void put16(std::vector<std::uint8_t>& out, int value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xff));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xff));
}

// Packs variable-width codes, least significant bit first.
class BitPacker {
public:
    void put(int code, int width)
    {
        buffer_ |= static_cast<std::uint32_t>(code) << bits_;
        bits_ += width;
        while (bits_ >= 8) {
            bytes.push_back(static_cast<std::uint8_t>(buffer_ & 0xff));
            buffer_ >>= 8;
            bits_ -= 8;
        }
    }
    void flush()
    {
        if (bits_ > 0)
            bytes.push_back(static_cast<std::uint8_t>(buffer_ & 0xff));
        buffer_ = 0;
        bits_ = 0;
    }
    std::vector<std::uint8_t> bytes;

private:
    std::uint32_t buffer_ = 0;
    int bits_ = 0;
};

// GIF's variable-width LZW: codes start one bit wider than the minimum code size,
// grow when the table fills their width, and the table starts again at 4096 codes.
std::vector<std::uint8_t> compress(const std::vector<std::uint8_t>& pixels)
{
    constexpr int minimumCodeSize = 8;
    constexpr int clearCode = 1 << minimumCodeSize;
    constexpr int endCode = clearCode + 1;
    constexpr int maxCodes = 4096;

    BitPacker packer;
    std::map<std::pair<int, std::uint8_t>, int> table;
    int width = minimumCodeSize + 1;
    int nextCode = endCode + 1;
    packer.put(clearCode, width);

    int prefix = -1;
    for (const std::uint8_t pixel : pixels) {
        if (prefix < 0) {
            prefix = pixel;
            continue;
        }
        if (const auto found = table.find({prefix, pixel}); found != table.end()) {
            prefix = found->second;
            continue;
        }
        packer.put(prefix, width);
        table[{prefix, pixel}] = nextCode++;
        if (nextCode > (1 << width) && width < 12)
            ++width;
        if (nextCode == maxCodes) {
            packer.put(clearCode, width);
            table.clear();
            width = minimumCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = pixel;
    }
    if (prefix >= 0)
        packer.put(prefix, width);
    packer.put(endCode, width);
    packer.flush();
    return packer.bytes;
}

}  // namespace

std::vector<std::uint8_t> encodeGif(const Canvas& canvas, const std::array<std::uint32_t, 256>& colours)
{
    std::vector<std::uint8_t> out{'G', 'I', 'F', '8', '9', 'a'};
    put16(out, canvas.width);
    put16(out, canvas.height);
    out.push_back(0xf7);  // global table, 8-bit colour resolution, not sorted, 2^(7+1) entries
    out.push_back(0);     // background colour index
    out.push_back(0);     // no pixel aspect ratio
    for (const std::uint32_t colour : colours) {
        out.push_back(static_cast<std::uint8_t>(colour >> 16));
        out.push_back(static_cast<std::uint8_t>(colour >> 8));
        out.push_back(static_cast<std::uint8_t>(colour));
    }

    out.push_back(0x2c);  // image descriptor
    put16(out, 0);
    put16(out, 0);
    put16(out, canvas.width);
    put16(out, canvas.height);
    out.push_back(0);  // no local table, not interlaced

    out.push_back(8);  // LZW minimum code size
    const std::vector<std::uint8_t> data = compress(canvas.pixels);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, data.size() - at);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
                   data.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    out.push_back(0);     // end of the image data
    out.push_back(0x3b);  // trailer
    return out;
}
