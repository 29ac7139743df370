// The about text of the start screen.
#pragma once

#include <QString>

namespace ovalto {

QString AboutText();

}  // namespace ovalto
