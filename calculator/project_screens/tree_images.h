// The 17 pictures of the project tree's nodes, 38 × 38, by image index.
#pragma once

#include <QIcon>

namespace ovalto {

// An empty icon for an index without a picture (a file edited elsewhere).
QIcon TreeImage(int index);

}  // namespace ovalto
