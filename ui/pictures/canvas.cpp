#include "ui/pictures/canvas.h"

#include <stdexcept>
#include <string>

void paintGrid(Canvas& canvas, std::span<const std::string_view> rows, std::span<const Ink> inks)
{
    if (static_cast<int>(rows.size()) != canvas.height)
        throw std::logic_error("grid of " + std::to_string(rows.size()) + " rows for a picture " +
                               std::to_string(canvas.height) + " high");
    for (int y = 0; y < canvas.height; ++y) {
        const std::string_view row = rows[static_cast<std::size_t>(y)];
        if (static_cast<int>(row.size()) != canvas.width)
            throw std::logic_error("row " + std::to_string(y) + " is " + std::to_string(row.size()) + " wide");
        for (int x = 0; x < canvas.width; ++x) {
            for (const Ink& ink : inks) {
                if (ink.symbol == row[static_cast<std::size_t>(x)])
                    canvas.set(x, y, (x + y) % 2 == 0 ? ink.even : ink.odd);
            }
        }
    }
}
