#include "keying/KeyerBoxes.h"

#include <QLineEdit>

#include "platform/KeyEvents.h"
#include "platform/VbControls.h"

namespace KeyerBoxes {

void hookCapitalsNoQuote(QLineEdit* box)
{
    KeyEvents::hook(box, [](int& k) {
        if (k == '"')
            k = 0;
        else if (k >= 'a' && k <= 'z')
            k = k - 'a' + 'A';
    });
}

void filterKeys(QLineEdit* box, std::function<bool(int)> keep)
{
    KeyEvents::hook(box, [keep = std::move(keep)](int& k) {
        if (k != KeyEvents::vbKeyBack && !keep(k))
            k = 0;
    });
}

void selectFromCaret(QLineEdit* box)
{
    QMetaObject::invokeMethod(
        box,
        [box] {
            // Tabbing in has already selected the whole text.
            if (!box->hasSelectedText())
                setSelLength(box, int(box->text().size()));
        },
        Qt::QueuedConnection);
}

}   // namespace KeyerBoxes
