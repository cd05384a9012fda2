#include "ui/menu_keys.h"

#include <QSet>

namespace vantrel::ui {
namespace {

// Only digits and Latin letters serve as keys.
bool canBeKey(QChar c) {
    return c.unicode() < 128 && c.isLetterOrNumber();
}

// The key a caption already marks with "&", or a null character.
QChar markedKey(const QString& caption) {
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (caption[i + 1] != u'&')
                return caption[i + 1].toLower();
            ++i; // "&&" is a literal ampersand
        }
    }
    return {};
}

} // namespace

QStringList withAccessKeys(const QStringList& captions) {
    QSet<QChar> used;
    for (const QString& caption : captions) {
        if (const QChar key = markedKey(caption); !key.isNull())
            used.insert(key);
    }
    QStringList result;
    for (const QString& caption : captions) {
        QString keyed = caption;
        if (markedKey(caption).isNull()) {
            for (qsizetype i = 0; i < caption.size(); ++i) {
                const QChar key = caption[i].toLower();
                if (canBeKey(caption[i]) && !used.contains(key)) {
                    used.insert(key);
                    keyed.insert(i, u'&');
                    break;
                }
            }
        }
        result << keyed;
    }
    return result;
}

} // namespace vantrel::ui
