#include "ui/toolkit_texts.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvala::ui {

bool installBulgarianToolkitTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    if (!translator->load(QStringLiteral("qtbase_bg"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace korvala::ui
