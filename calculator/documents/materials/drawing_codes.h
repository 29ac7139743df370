// Codes of the typical installation drawings (series 5.904.9-78) by what is
// insulated, the number of layers, the product line and the covering.
#pragma once

#include <string>
#include <string_view>

namespace ovalto {

// Category: the tree image of the object or detail (10 pipeline, 11 tank,
// 12 rectangular duct, 2 bend, 3 flange, 4 valve, 5 tee, 6 and 7 reducers).
// Empty when the table has no such drawing.
std::string FindDrawingCode(int category, std::size_t layerCount, std::string_view insulation,
                            std::string_view covering);

}  // namespace ovalto
