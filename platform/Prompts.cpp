#include "platform/Prompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>

namespace Platform {

namespace {
QPointer<QWidget> promptParent;

QWidget* parentWidget() { return promptParent ? promptParent.data() : QApplication::activeWindow(); }

class QtPrompts : public Prompts {
public:
    Answer messageBox(const QString& text, const QString& title, Buttons buttons, Icon icon) override
    {
        QMessageBox box(parentWidget());
        box.setWindowTitle(title.isEmpty() ? QApplication::applicationName() : title);
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
