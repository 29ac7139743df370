// What the help says of the calculation kinds, made from the kinds' own set-up: each kind's grid
// is built as the calculation screen builds it, so the help lists the rows the user will see.
#pragma once

#include <string>

namespace help {

// "15 видов расчёта": how many kinds the page of the system offers (1 heating, 2 water supply,
// 3 ventilation and air conditioning, 5 process); 0 counts the kinds of every system.
std::string KindCountText(int system);

// One table row a kind of the system: its object and place, its task, the row of the value it
// seeks and the other rows of its grid from the top down, without the insulation thickness.
std::string KindRowsHtml(int system);

}  // namespace help
