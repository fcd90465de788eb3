#include "ui/toolkit_texts.hpp"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace korvala::ui {

tl::expected<void, QString> installBulgarianToolkitTexts(QCoreApplication& application) {
    auto* translator = new QTranslator(&application);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator->load(QStringLiteral("qtbase_bg"), folder)) {
        delete translator;
        return tl::make_unexpected(QStringLiteral("no qtbase_bg.qm in ") + folder);
    }
    if (!QCoreApplication::installTranslator(translator)) {
        return tl::make_unexpected(QStringLiteral("the toolkit refused qtbase_bg.qm"));
    }
    return {};
}

} // namespace korvala::ui
