#include "app/start_up.h"

#include "ui/fonts.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>

namespace vantrel::app {
namespace {

// Once per application; without the file the texts stay English.
void installQtTranslation() {
    const auto name = QStringLiteral("qtbase_ru");
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (qApp->findChild<QTranslator*>(name) ||
        !QFileInfo::exists(folder + u'/' + name + QLatin1String(".qm")))
        return;
    auto* translation = new QtTranslation(name, folder, qApp);
    translation->setObjectName(name);
    QCoreApplication::installTranslator(translation);
}

} // namespace

QtTranslation::QtTranslation(QString name, QString folder, QObject* parent)
    : QTranslator(parent)
    , name_(std::move(name))
    , folder_(std::move(folder)) {}

QString QtTranslation::translate(const char* context, const char* sourceText,
                                 const char* disambiguation, int n) const {
    std::call_once(read_, [this] { (void)texts_.load(name_, folder_); });
    return texts_.translate(context, sourceText, disambiguation, n);
}

void prepareEnvironment() {
    if (!qEnvironmentVariableIsSet("QT_NO_GLIB"))
        qputenv("QT_NO_GLIB", "1");
}

std::unique_ptr<TForm1> startUp() {
    QApplication::setApplicationName(QStringLiteral("Vantrel"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.vantrel.vantrel"));
    QApplication::setWindowIcon(ui::applicationIcon());
    ui::registerFontSubstitutes();
    installQtTranslation();
    return std::make_unique<TForm1>();
}

} // namespace vantrel::app
