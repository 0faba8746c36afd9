#pragma once

#include "ico_writer.h"

#include <vector>

// The picture on the "Calculer !" buttons: 32 × 32 and 16 × 16.
std::vector<IconImage> wandIcon();
// The picture on the "Nouveau !" buttons: 32 × 32 and 16 × 16.
std::vector<IconImage> eraserIcon();
// The program's icon: 32 × 32 in black and white, then 32 × 32 and 16 × 16 in colour.
std::vector<IconImage> applicationIcon();
