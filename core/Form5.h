#pragma once
// The "Help Page" window: the installed help text ReadSQSO.txt of the program folder, shown as
// stored, with a Close button. Shown modally by the main windows' Help command, which deletes it
// when it closes. A missing or unreadable file gives an empty page, with a warning in the log.
#include <QDialog>

#include "core/DesignWindow.h"

class QPlainTextEdit;
class QPushButton;
namespace Platform {
struct Screen;
}

class Form5 : public QDialog {
    Q_OBJECT
public:
    explicit Form5(QWidget* parent = nullptr);

    DesignLayout& design() { return design_; }

    // Scales the window to the screen and fills Text1 from ReadSQSO.txt.
    void Form_Load();
    // Close: hides the window, which ends the modal show.
    void Command1_Click();

    // The scaling the help page and the colour window share: window and controls by the screen's
    // width and height factors (of 9600 x 7200 twips), the window centred, its own font by the
    // width factor, control fonts by the smaller factor or, with `controlFontsByWidth`, by the
    // width factor; lines by their end points.
    static void scaleToScreen(FormGeometry& g, const Platform::Screen& s, bool controlFontsByWidth);

    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command1 = nullptr;

private:
    DesignLayout design_;
};
