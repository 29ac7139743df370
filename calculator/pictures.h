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
  ProgramLogo,  // ImLogo of the chart panel; the report's "ovalto4.jpg"
  ButtonApply,  // the dialogs' "Применить" and "Отменить"
  ButtonCancel,
};

// A null pixmap when the resource is missing or damaged.
QPixmap LoadPicture(Picture picture);

// The picture's JPEG file as the program keeps it; empty when missing.
QByteArray PictureFile(Picture picture);

}  // namespace ovalto
