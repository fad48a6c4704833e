#pragma once
// The main window's one common file dialog `cdbFile`. It keeps its settings between uses, so
// every user (ADIF export, Cabrillo writer, archive, restore) sets what it needs before showing
// it. The dialog itself is shown through Platform::prompts(), so tests script the answer.
#include "platform/Prompts.h"

#include <QString>

class CommonFileDialog {
public:
    // Settings, kept between uses.
    bool CancelError = false;   // callers treat a cancelled dialog as silent either way
    QString DialogTitle;
    QString InitDir;    // folder the dialog opens in
    QString FileName;   // proposed name before showing, the chosen full path after
    QString Filter;     // Qt filter text, e.g. "ADIF files (*.adi);;All files (*)"
    int Flags = 0;      // kept for callers that set it; no effect of its own

    // Shows a Save dialog. True with FileName set to the chosen path; false when cancelled
    // (FileName is left as it was).
    bool ShowSave() { return show(true); }
    // Shows an Open dialog, with the same results as ShowSave.
    bool ShowOpen() { return show(false); }

private:
    bool show(bool save)
    {
        auto& p = Platform::prompts();
        const QString chosen = save ? p.saveFile(DialogTitle, InitDir, FileName, Filter)
                                    : p.openFile(DialogTitle, InitDir, FileName, Filter);
        if (chosen.isEmpty())
            return false;
        FileName = chosen;
        return true;
    }
};
