// The window's pictures: JPEG resources decoded by libjpeg.
#pragma once

#include <QPixmap>

namespace ovalto {

enum class Picture {
  MainBackground,
  ButtonNormal,
  ButtonHighlighted,
  MakerLogo,
  SystemHeating,  // Img1 .. Img4: one picture a system page
  SystemWaterSupply,
  SystemVentilation,
  SystemProcess,
  ButtonApply,  // the dialogs' "Применить" and "Отменить"
  ButtonCancel,
};

// A null pixmap when the resource is missing or damaged.
QPixmap LoadPicture(Picture picture);

}  // namespace ovalto
