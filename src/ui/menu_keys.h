// Access keys for menu items that have none of their own.
#pragma once

#include <QStringList>

namespace vantrel::ui {

// Gives each caption without a "&" the first digit or Latin letter that no other caption of
// the same menu already uses as its key: "3 полосы" becomes "&3 полосы". Captions written
// only in Cyrillic letters keep no key.
QStringList withAccessKeys(const QStringList& captions);

} // namespace vantrel::ui
