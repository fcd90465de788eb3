// The toolkit's own texts (the message box's buttons, the text boxes' context menu) in
// Bulgarian, whatever the user's language, since the whole window is Bulgarian.
#pragma once

class QCoreApplication;

namespace korvala::ui {

// Loads Qt's Bulgarian translation (qtbase_bg.qm) into the application. Returns false, and
// changes nothing, when the translation is not installed: the toolkit's texts stay English.
bool installBulgarianToolkitTexts(QCoreApplication& application);

} // namespace korvala::ui
