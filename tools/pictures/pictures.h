// Every picture of the calculator's main window, by the file it is kept in.
#pragma once

#include <QImage>
#include <QList>
#include <QString>

namespace pictures {

struct NamedPicture {
  QString FileName;
  QImage Image;
};

// Background, the two button faces and the maker's logo of the start screen.
QList<NamedPicture> DrawStartScreenPictures();
// The four system pictures shown beside the kind picker, the program logo
// of the chart panel and the program's icon.
QList<NamedPicture> DrawSystemPictures();
// The pictures of the kind picker's pages, with the kind markers.
QList<NamedPicture> DrawPagePictures();
// The marks drawn in the parameter grid's caption column.
QList<NamedPicture> DrawGridMarks();
// The apply and cancel faces of the dialogs' buttons.
QList<NamedPicture> DrawDialogButtons();
// The 17 node pictures of the project tree, by image index.
QList<NamedPicture> DrawTreeImages();

}  // namespace pictures
