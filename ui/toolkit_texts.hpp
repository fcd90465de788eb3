// The toolkit's own texts (the message box's buttons, the text boxes' context menu) in
// Bulgarian, whatever the user's language, since the whole window is Bulgarian.
#pragma once

#include <QString>
#include <tl/expected.hpp>

class QCoreApplication;

namespace korvala::ui {

// Loads Qt's Bulgarian translation (qtbase_bg.qm) into the application. Where it cannot, it
// changes nothing and says why (the translation is not installed): the toolkit's texts stay
// English.
tl::expected<void, QString> installBulgarianToolkitTexts(QCoreApplication& application);

} // namespace korvala::ui
