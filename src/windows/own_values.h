// The builder's own values, kept between runs in the user's data folder, where «Подобрать из
// стандартных» writes them, and «Проверка перечня» and `vantrel --stock` read them.
#pragma once

#include <QString>

namespace vantrel::windows {

// AppDataLocation's own-values.txt: ~/.local/share/Vantrel/own-values.txt on Linux.
QString ownValuesPath();

// The list as last kept; empty where none is.
QString readOwnValues();

// Keeps the list, replacing the file whole so that a failed write leaves the last one; false
// where it could not be written.
bool keepOwnValues(const QString& text);

} // namespace vantrel::windows
