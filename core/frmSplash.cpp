#include "core/frmSplash.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

#include "core/Files.h"
#include "core/Globals.h"
#include "core/frmQuoltLogo.h"
#include "core/frmStationID.h"
#include "core/modGlobalPreferences.h"

#include <cstdlib>

frmSplash::frmSplash(QWidget* parent) : DesignWindow(4800, 2400, parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("vqplog"));
    lblVersion1 = design().addLabel(QStringLiteral("lblVersion1"), QStringLiteral("2.1"), 240, 240, 1800, 375);
    Command1 = design().addButton(QStringLiteral("Command1"), QStringLiteral("Continue"), 240, 1680, 1800, 495);
    Command2 = design().addButton(QStringLiteral("Command2"), QStringLiteral("Cancel"), 2760, 1680, 1800, 495);
    apply();
    connect(Command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSplash::Command2_Click);
}

void frmSplash::Form_Load()
{
    // 1. The program's folder is where it was started; the program never changes directory.
    G.ProgramFolder = QDir::currentPath();
    G.ProgramDrive = G.ProgramFolder.left(1);

    // 2. The logo, modally: start-up waits here until it has closed.
    {
        frmQuoltLogo logo;
        logo.exec();
    }

    // 3. Scale the start form to the screen.
    resizeForm();

    // 4-5. The per-user folders.
    modGlobalPreferences::ResolveFolders();

    // 6. The shared preferences file.
    modGlobalPreferences::LoadGlobalPreferences(modGlobalPreferences::PrefsPath());

    // 7. The backup folder; a failure shows nothing (the log store makes it again when needed).
    modGlobalPreferences::EnsureFolder(Files::resolve(G.DataFolder, QStringLiteral("BACKUP")), 0);

    // 9. Continue.
    Command1_Click();
}

void frmSplash::Command1_Click()
{
    G.ProgramVersion = lblVersion1->text();
    hide();
    frmStationID::instance().show();
    deleteLater();
}

void frmSplash::Command2_Click() { std::exit(0); }
