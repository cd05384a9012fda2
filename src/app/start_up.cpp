#include "app/start_up.h"

#include "ui/fonts.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vantrel::app {
namespace {

// Qt's own texts, such as the edit boxes' context menus, in Russian like the rest of the
// program whatever the locale. Loaded once per application; without the file they stay English.
void loadQtTranslation() {
    const auto name = QStringLiteral("qtbase_ru");
    if (qApp->findChild<QTranslator*>(name))
        return;
    auto* translator = new QTranslator(qApp);
    translator->setObjectName(name);
    if (translator->load(name, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void prepareEnvironment() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

std::unique_ptr<TForm1> startUp() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.vantrel"));
    QApplication::setWindowIcon(ui::applicationIcon());
    ui::registerFontSubstitutes();
    loadQtTranslation();
    return std::make_unique<TForm1>();
}

} // namespace vantrel::app
