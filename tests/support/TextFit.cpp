#include "tests/support/TextFit.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

namespace TextFit {

int linesFitting(const QFont& font, const QRect& room, const QString& text, bool wrap)
{
    const QFontMetrics fm(font);
    const int flags = (wrap ? Qt::TextWordWrap : Qt::TextSingleLine) | Qt::TextShowMnemonic;
    const QRect need = fm.boundingRect(QRect(0, 0, room.width(), 1 << 20), flags, text);
    if (need.width() > room.width() || need.height() > room.height())
        return 0;
    return (need.height() + fm.leading()) / fm.lineSpacing();
}

int labelLines(const QLabel* label)
{
    return linesFitting(label->font(), label->contentsRect(), label->text(), label->wordWrap());
}

QRect buttonRoom(const QPushButton* button)
{
    QStyleOptionButton opt;
    opt.initFrom(button);
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, button);
}

Ink captionInk(QPushButton* button)
{
    QPalette pal = button->palette();
    pal.setColor(QPalette::ButtonText, Qt::red);
    button->setPalette(pal);
    const QImage image = button->grab().toImage();
    Ink ink;
    bool previousRow = false;
    for (int y = 0; y < image.height(); ++y) {
        bool row = false;
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 128 && c.green() < 96 && c.blue() < 96) {
                row = true;
                ink.box |= QRect(x, y, 1, 1);
            }
        }
        if (row && !previousRow)
            ++ink.lines;
        previousRow = row;
    }
    return ink;
}

}   // namespace TextFit
