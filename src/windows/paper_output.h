// «Печать…» and «Сохранить PDF…» of the windows that put a list on paper: the system's print
// dialog, or a file dialog and the PDF; a file that cannot be written gets the "Error" box.
#pragma once

#include "paper/documents.h"

#include <QString>

class QWidget;

namespace vantrel::windows {

void printDocument(QWidget* parent, const paper::Document& document);
// Asks where, starting from `suggested`; the path written, or an empty one.
QString saveDocumentPdf(QWidget* parent, const paper::Document& document, const QString& suggested);
// Writes the PDF to `path`, with the "Error" box where it cannot be written; whether it was.
bool writeDocumentPdf(QWidget* parent, const paper::Document& document, const QString& path);

} // namespace vantrel::windows
