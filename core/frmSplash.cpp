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

frmSplash::frmSplash(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("vqplog"));
    resize(320, 160);
    lblVersion1 = new QLabel(QStringLiteral("2.1"), this);
    lblVersion1->setObjectName(QStringLiteral("lblVersion1"));
    lblVersion1->setGeometry(16, 16, 120, 24);
    Command1 = new QPushButton(QStringLiteral("Continue"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(16, 110, 120, 32);
    Command2 = new QPushButton(QStringLiteral("Cancel"), this);
    Command2->setObjectName(QStringLiteral("Command2"));
    Command2->setGeometry(184, 110, 120, 32);
    connect(Command1, &QPushButton::clicked, this, &frmSplash::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmSplash::Command2_Click);
}

void frmSplash::Form_Load()
{
    // 1. The program's folder is where it was started; the program never changes directory.
    G.ProgramFolder = QDir::currentPath();

    // 2. The logo, modally: start-up waits here until it has closed.
    {
        frmQuoltLogo logo;
        logo.exec();
    }

    // 3. Scale the start form to the screen.
    // SCALING CALL SITE: ModFormResize::ResizeForm on this form once the form-scaling module is in.

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
