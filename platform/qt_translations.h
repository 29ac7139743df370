// Qt's own texts (the text fields' context menu, the calendar's tips, the
// standard dialogs) in Russian, whatever language the desktop speaks: both
// programs speak Russian throughout.
#pragma once

namespace ovalto {

// Loads Qt's Russian translations into the running application. False when
// the desktop lacks them (Debian: qt6-translations-l10n); Qt then speaks
// English.
bool InstallRussianQtTexts();

}  // namespace ovalto
