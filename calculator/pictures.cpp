#include "pictures.h"

#include "qt_jpeg.h"

namespace ovalto {

namespace {

const char* ResourcePath(Picture picture) {
  switch (picture) {
    case Picture::MainBackground:
      return ":/pictures/main_background.jpg";
    case Picture::ButtonNormal:
      return ":/pictures/button_normal.jpg";
    case Picture::ButtonHighlighted:
      return ":/pictures/button_highlighted.jpg";
    case Picture::MakerLogo:
      return ":/pictures/maker_logo.jpg";
    case Picture::SystemHeating:
      return ":/pictures/system_heating.jpg";
    case Picture::SystemWaterSupply:
      return ":/pictures/system_water_supply.jpg";
    case Picture::SystemVentilation:
      return ":/pictures/system_ventilation.jpg";
    case Picture::SystemProcess:
      return ":/pictures/system_process.jpg";
    case Picture::ButtonApply:
      return ":/pictures/button_apply.jpg";
    case Picture::ButtonCancel:
      return ":/pictures/button_cancel.jpg";
  }
  return "";
}

}  // namespace

QPixmap LoadPicture(Picture picture) {
  return QPixmap::fromImage(LoadJpegResource(QString::fromLatin1(ResourcePath(picture))));
}

}  // namespace ovalto
