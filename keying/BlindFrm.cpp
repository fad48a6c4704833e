#include "keying/BlindFrm.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "core/Globals.h"
#include "core/Module2Prefs.h"
#include "keying/KeyerLayout.h"
#include "keying/MMControl.h"
#include "platform/Screen.h"
#include "platform/Sound.h"
#include "platform/VbControls.h"

using KeyerLayout::addButton;
using KeyerLayout::addLabel;

namespace {

constexpr double DesignWidth = 6600;
constexpr double DesignHeight = 5100;

}   // namespace

void BlindFrm::Form_Unload() { MMControl1->Close(); }

BlindFrm::BlindFrm() : DesignWindow(DesignWidth, DesignHeight)
{
    setObjectName(QStringLiteral("BlindFrm"));
    setWindowTitle(QStringLiteral("Voice Navigation Settings"));
    DesignLayout& d = design();

    addLabel(d, QStringLiteral("Label1"),
             QStringLiteral("Choose one of the options below.  Select Off to turn the navigation function off, "
                            "Call to indicate the Call field only and All Data Fields to provide verbal prompts "
                            "through all the data fields."),
             240, 180, 6120, 660);
    addLabel(d, QStringLiteral("Label2"),
             QStringLiteral("Voice navigation speaks a short prompt naming each entry field as it gets the focus, "
                            "and announces a duplicate contact, for operators who cannot see the screen."),
             240, 900, 6120, 480);

    Frame1 =
        d.addFrame(QStringLiteral("Frame1"), QStringLiteral("Choose your preferred option:"), 240, 1500, 3600, 1380);
    d.addOptionColumn(
        Frame1,
        {{&Option1, "Option1", "Off"}, {&Option2, "Option2", "Call Only"}, {&Option3, "Option3", "All Data Fields"}},
        240, 330, 330, 3000, 285);
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1_Click(); });
    connect(Option2, &QRadioButton::clicked, this, [this] { Option2_Click(); });
    connect(Option3, &QRadioButton::clicked, this, [this] { Option3_Click(); });

    Command1 = addButton(d, QStringLiteral("Command1"), QStringLiteral("Done"), 4560, 2100, 1200, 420);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    addLabel(d, QStringLiteral("Label3"),
             QStringLiteral("The prompts are .wav files named Call, SPC, RstRcvd, RstSnt, County, Dupe, NavEn and "
                            "NavDis; they must be added to the working directory."),
             240, 3060, 6120, 480);
    Label7 = addLabel(d, QStringLiteral("Label7"), QString(), 240, 3600, 6120, 660);
    addLabel(d, QStringLiteral("Label4"),
             QStringLiteral("Suggestions for making voice navigation more useful are welcome."), 240, 4440, 6120, 285);

    MMControl1 = new MMControl(this);
    MMControl1->setObjectName(QStringLiteral("MMControl1"));

    Form_Load();
}

BlindFrm::~BlindFrm() = default;

void BlindFrm::Form_Load()
{
    // The same rule as the voice keyer window: the window's share of the screen, centred.
    const Platform::Screen s = Platform::Screen::current();
    KeyerLayout::scaleToShare(design().geometry(), s.width, s.height, s.width, false);
    design().apply();

    Label7->setText(QStringLiteral("Put the audio wave files in this program's working directory: ") + G.ProgramFolder);

    // Selecting the saved level runs its option's Click, so the first load speaks the state.
    switch (G.VoiceNavLevel) {
    case 0: setOptionValue(Option1, true); break;
    case 1: setOptionValue(Option2, true); break;
    case 2: setOptionValue(Option3, true); break;
    default: break;
    }
}

void BlindFrm::BlindKeyPhone(const QString& name)
{
    MMControl1->Notify = false;
    MMControl1->Wait = true;
    MMControl1->Shareable = false;
    MMControl1->DeviceType = QStringLiteral("WaveAudio");
    MMControl1->Close();
    MMControl1->FileName = G.ProgramFolder + QLatin1Char('/') + name + QStringLiteral(".wav");
    if (MMControl1->FileName.trimmed().isEmpty())
        return;
    MMControl1->Open();
    if (MMControl1->Error() == MMControl::ErrorNone)
        MMControl1->Play();
}

bool BlindFrm::promptPlaying() const { return MMControl1->Mode() == MMControl::ModePlay; }

void BlindFrm::waitForPrompt() const
{
    if (!promptPlaying())
        return;
    const qint64 limitMs = Platform::playWaitLimitMs(MMControl1->openedFile(), PromptWaitMs);
    Platform::waitWhilePlaying([this] { return promptPlaying(); }, limitMs);
}

void BlindFrm::Option1_Click() { BlindKeyPhone(QStringLiteral("NavDis")); }

void BlindFrm::Option2_Click()
{
    BlindKeyPhone(QStringLiteral("NavEn"));
    waitForPrompt();
    BlindKeyPhone(QStringLiteral("Call"));
}

void BlindFrm::Option3_Click() { BlindKeyPhone(QStringLiteral("NavEn")); }

void BlindFrm::Command1_Click()
{
    G.VoiceNavLevel = 0;
    if (Option2->isChecked())
        G.VoiceNavLevel = 1;
    if (Option3->isChecked())
        G.VoiceNavLevel = 2;
    hide();
    Module2::MarkPrefStored(Module2::PrefItem::VoiceNavLevel);
    Module2::WriteQSOpref();
}
