// The rows that show how a value is marked, with the swatches of its bands: in «Что за
// маркировка?» and for a line picked in «Проверка перечня».
#pragma once

#include "core/marking/value_markings.h"

#include <string>
#include <vector>

class QListWidget;
class QListWidgetItem;
class QString;

namespace vantrel::marking {

// A row that says something and cannot be picked: «Нет прочтения».
QListWidgetItem* addNote(QListWidget* list, const QString& text);

// A row with the whole of its text as its tooltip, where the list cuts it short.
QListWidgetItem* addRow(QListWidget* list, const std::string& text);

// The list cleared and filled with what is printed on a part of the value, each with its band
// colours, or why nothing is; then, under their own title, the part numbers that order it.
void fillMarkings(QListWidget* list, const value::Reading& value, const std::vector<Marking>& ways);

} // namespace vantrel::marking
