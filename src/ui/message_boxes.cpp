#include "ui/message_boxes.h"

#include <QMessageBox>

namespace vantrel::ui {
namespace {

void show(QWidget* parent, QMessageBox::Icon icon, const char* caption, const QString& text,
          QMessageBox::StandardButton button) {
    // The captions and button texts are the toolkit's own English ones, on purpose.
    QMessageBox box(icon, QString::fromLatin1(caption), text, button, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

void showCheckMessage(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, "Error", text, QMessageBox::Yes);
}

void showMissingData(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Information, "Information", text, QMessageBox::Ok);
}

} // namespace vantrel::ui
