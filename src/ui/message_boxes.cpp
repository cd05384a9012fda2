#include "ui/message_boxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace vantrel::ui {
namespace {

void show(QWidget* parent, QMessageBox::Icon icon, const char* caption, const QString& text,
          QMessageBox::StandardButton button, const char* buttonText) {
    // The captions and button texts are the toolkit's own English ones, on purpose. They are
    // written out, so that Qt's Russian translation, loaded for the context menus, leaves them.
    QMessageBox box(icon, QString::fromLatin1(caption), text, button, parent);
    box.button(button)->setText(QString::fromLatin1(buttonText));
    box.setObjectName(QStringLiteral("MessageBox"));
    box.exec();
}

} // namespace

void showCheckMessage(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, "Error", text, QMessageBox::Yes, "&Yes");
}

void showMissingData(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Information, "Information", text, QMessageBox::Ok, "OK");
}

} // namespace vantrel::ui
