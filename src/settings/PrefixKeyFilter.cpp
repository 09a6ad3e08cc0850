#include "PrefixKeyFilter.h"

#include <QKeyEvent>
#include <QString>

bool IsRefusedPrefixKey(QChar typed) {
    const char16_t code = typed.unicode();
    if (code < 32 || code > 127)
        return false;
    return QStringView(u"\"*/:<>?\\|").contains(typed);
}

bool TPrefixKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (text.size() == 1 && IsRefusedPrefixKey(text.front()))
            return true;
    }
    return QObject::eventFilter(watched, event);
}
