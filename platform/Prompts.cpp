#include "platform/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QSpacerItem>

#include <algorithm>

#include "platform/Screen.h"

namespace Platform {

namespace {
QPointer<QWidget> promptParent;

QWidget* parentWidget() { return promptParent ? promptParent.data() : QApplication::activeWindow(); }

class QtPrompts : public Prompts {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        QMessageBox box(parentWidget());
        const QString shownTitle = title.isEmpty() ? QApplication::applicationName() : title;
        box.setWindowTitle(shownTitle);
        box.setText(text);
        switch (icon) {
        case Icon::Information: box.setIcon(QMessageBox::Information); break;
        case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
        case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
        case Icon::Question: box.setIcon(QMessageBox::Question); break;
        case Icon::None: break;
        }
        switch (buttons) {
        case Buttons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
        case Buttons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
        case Buttons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            break;
        }
        // The box sizes itself by its text and buttons; a spanning spacer keeps it as wide as its title
        // needs, so the window manager does not shorten the title.
        if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
            grid->addItem(new QSpacerItem(titleBarClientWidth(shownTitle), 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                          grid->rowCount(), 0, 1, grid->columnCount());
        switch (box.exec()) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        case QMessageBox::Cancel: return Answer::Cancel;
        default: return buttons == Buttons::YesNo ? Answer::No : Answer::Ok;
        }
    }

    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override
    {
        QInputDialog dialog(parentWidget());
        dialog.setWindowTitle(title);
        dialog.setInputMode(QInputDialog::TextInput);
        dialog.setLabelText(prompt);
        dialog.setTextValue(defaultText);
        // A long prompt wraps, as a message box's text does, instead of widening the box past the
        // screen's edge.
        for (QLabel* label : dialog.findChildren<QLabel*>())
            label->setWordWrap(true);
        // As wide as the title needs, through the dialog's layout, which decides its minimum size (the
        // dialog builds it when first asked for a size).
        static_cast<void>(dialog.minimumSizeHint());
        if (QLayout* layout = dialog.layout()) {
            const QMargins m = layout->contentsMargins();
            const int room = std::max(0, titleBarClientWidth(title) - m.left() - m.right());
            layout->addItem(new QSpacerItem(room, 0, QSizePolicy::Fixed, QSizePolicy::Fixed));
        }
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    }

    QString openFile(const QString& title, const QString& folder, const QString& fileName,
                     const QString& filter) override
    {
        const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
        return QFileDialog::getOpenFileName(parentWidget(), title, start, filter);
    }

    QString saveFile(const QString& title, const QString& folder, const QString& fileName,
                     const QString& filter) override
    {
        const QString start = fileName.isEmpty() ? folder : folder + QLatin1Char('/') + fileName;
        return QFileDialog::getSaveFileName(parentWidget(), title, start, filter);
    }

    std::optional<QColor> chooseColor(const QColor& initial) override
    {
        const QColor c = QColorDialog::getColor(initial, parentWidget());
        if (!c.isValid())
            return std::nullopt;
        return c;
    }

    void beep() override { QApplication::beep(); }
};

QtPrompts& qtPrompts()
{
    static QtPrompts p;
    return p;
}

Prompts* current = nullptr;
}   // namespace

Prompts& prompts() { return current ? *current : qtPrompts(); }
void setPrompts(Prompts* p) { current = p; }
void setPromptParent(QWidget* w) { promptParent = w; }

}   // namespace Platform
