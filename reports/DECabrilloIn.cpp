#include "reports/DECabrilloIn.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "core/Files.h"
#include "core/Form1.h"
#include "core/Globals.h"
#include "core/MainLogWindow.h"
#include "core/Module2County.h"
#include "core/Module2Log.h"
#include "core/modGlobalPreferences.h"
#include "platform/KeyEvents.h"
#include "platform/Prompts.h"
#include "platform/SettingsStore.h"
#include "platform/VbControls.h"

using Kind = ControlGeometry::Kind;

namespace {

// The section of the per-user settings store that keeps the address boxes.
const QString SettingsSection = QStringLiteral("Settings");

constexpr double ClientWidth = 7800, ClientHeight = 6240;
constexpr double CaptionLeft = 120, BoxLeft = 2640, BoxWidth = 5040, RowPitch = 420, BoxHeight = 285;

}   // namespace

DECabrilloIn::DECabrilloIn(MainLogWindow* owner, QWidget* parent)
    : QDialog(parent), design_(this, ClientWidth, ClientHeight), owner_(owner)
{
    setObjectName(QStringLiteral("DECabrilloIn"));
    setWindowTitle(QStringLiteral("Summary Sheet Information"));
    setModal(true);
    DesignLayout& d = design_;

    Frame1 = d.addFrame(QStringLiteral("Frame1"), QStringLiteral("Category"), 120, 120, 3600, 1260);
    d.addOptionColumn(
        Frame1,
        {{&Option6, "Option6", "Single Op"}, {&Option5, "Option5", "Multi Op"}, {&Option2, "Option2", "Mobile"}}, 240,
        300, 300, 3000, 255);
    Frame2 = d.addFrame(QStringLiteral("Frame2"), QStringLiteral("Power"), 4080, 120, 3600, 1260);
    d.addOptionColumn(
        Frame2, {{&Option4, "Option4", "High"}, {&Option3, "Option3", "Low (150W)"}, {&Option1, "Option1", "QRP (5W)"}},
        240, 300, 300, 3000, 255);

    int row = 0;
    auto box = [&](const QString& name, const QString& caption) {
        const double top = 1560 + row++ * RowPitch;
        d.addLabel(QStringLiteral("Label_") + name, caption, CaptionLeft, top + 30, BoxLeft - 180, 255);
        return d.addTextBox(name, QString(), BoxLeft, top, BoxWidth, BoxHeight);
    };
    Text2 = box(QStringLiteral("Text2"), QStringLiteral("Club Name:"));
    Text1 = box(QStringLiteral("Text1"), QStringLiteral("If Multi Op, list all calls:"));
    Text5 = box(QStringLiteral("Text5"), QStringLiteral("Your Name:"));
    Text6 = box(QStringLiteral("Text6"), QStringLiteral("Address Line 1:"));
    Text7 = box(QStringLiteral("Text7"), QStringLiteral("Address Line 2:"));
    Text8 = box(QStringLiteral("Text8"), QStringLiteral("Email Address:"));
    const double soapTop = 1560 + row * RowPitch;
    d.addLabel(QStringLiteral("Label_Text11"),
               QStringLiteral("Soapbox (Add any comments you would like to make about the contest):"), CaptionLeft,
               soapTop + 30, ClientWidth - 240, 255);
    Text11 = d.add<QLineEdit>(QStringLiteral("Text11"), Kind::TextBox, CaptionLeft, soapTop + 330, ClientWidth - 240,
                              BoxHeight);

    const double buttonTop = soapTop + 840;
    Command4 =
        d.addButton(QStringLiteral("Command4"), QStringLiteral("Write Cabrillo File"), 1800, buttonTop, 2040, 375);
    Command3 = d.addButton(QStringLiteral("Command3"), QStringLiteral("Done"), 4200, buttonTop, 1200, 375);
    for (QPushButton* b : {Command4, Command3}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    setOptionValue(Option6, true);
    setOptionValue(Option3, true);
    KeyEvents::hook(Text1, [this](int& k) { Text1_KeyPress(k); });
    KeyEvents::filterPaste(Text1, [](const QString& s) { return s.toUpper(); });
    // The other boxes take what typing gives too: a paste or a typed key loses line ends, tabs
    // and other control characters, so every box stays one line of the file.
    for (QLineEdit* b : {Text2, Text5, Text6, Text7, Text8, Text11}) {
        KeyEvents::hook(b, {});
        KeyEvents::filterPaste(b, {});
    }
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });

    Form_Load();
}

void DECabrilloIn::Form_Load()
{
    design_.resizeForm();
    // A stored value (the settings file may have been edited by hand) fills a box only with what
    // typing could give it.
    auto stored = [](const char* key) {
        return KeyEvents::storableOnly(Platform::getSetting(SettingsSection, QLatin1String(key)));
    };
    Text5->setText(stored("UserAddressName"));
    Text6->setText(stored("UserAddressLine1"));
    Text7->setText(stored("UserAddressLine2"));
    Text8->setText(stored("UserEMail"));
    Text2->setText(stored("UserClubName"));
}

void DECabrilloIn::Text1_KeyPress(int& KeyAscii) { KeyAscii = Module2::UpperCaseKey(KeyAscii); }

Cabrillo::Summary DECabrilloIn::summary() const
{
    Cabrillo::Summary s;
    s.category = Option5->isChecked()   ? Cabrillo::Category::MultiOp
                 : Option2->isChecked() ? Cabrillo::Category::Mobile
                                        : Cabrillo::Category::SingleOp;
    s.power = Option4->isChecked()   ? Cabrillo::Power::High
              : Option1->isChecked() ? Cabrillo::Power::QRP
                                     : Cabrillo::Power::Low;
    s.club = Text2->text();
    s.operators = Text1->text();
    s.name = Text5->text();
    s.address1 = Text6->text();
    s.address2 = Text7->text();
    s.email = Text8->text();
    s.soapbox = Text11->text();
    return s;
}

void DECabrilloIn::fail(const QString& reason)
{
    auto& p = Platform::prompts();
    p.beep();
    p.messageBox(reason, QStringLiteral("Unable to write file."), Platform::Buttons::Ok);
}

bool DECabrilloIn::Command4_Click()
{
    MainLogWindow* window = owner_ ? owner_ : Form1::target();
    if (!window)
        return false;
    G.OwnCall = G.OwnCall.trimmed();
    CommonFileDialog& dialog = window->cdbFile;
    dialog.CancelError = true;
    dialog.InitDir = G.DataFolder;
    dialog.FileName = modGlobalPreferences::CallFileName(G.OwnCall) + QStringLiteral(".log");
    dialog.Filter = QStringLiteral("LOG Files (*.log)");
    dialog.Flags = 2;
    if (!dialog.ShowSave())
        return false;
    const QString path = dialog.FileName;
    if (Module2::IsWorkingLog(path)) {
        fail(Module2::WorkingLogRefusal());
        return false;
    }

    QByteArray data;
    QString error;
    if (!Cabrillo::CabrilloText(summary(), data, &error) || !Files::writeAtomic(path, data, &error)) {
        fail(error);
        return false;
    }

    auto& p = Platform::prompts();
    p.beep();
    p.messageBox(QStringLiteral("The file was successfully written to the directory:\r\n\r\n") + path +
                     QStringLiteral(".\r\n\r\nAttach this file to an e-mail addressed for contest submission.  If you "
                                    "wish to print this file, you can open it with Notepad or Wordpad to print."),
                 QStringLiteral("File Written Successfully."), Platform::Buttons::Ok);
    p.beep();
    p.messageBox(QStringLiteral("Thanks for using this program.  I hope that you enjoyed it!  If so, please tell a "
                                "friend!\r\n\r\n73, Orlendy\r\nQuolt"),
                 QStringLiteral("  Thanks!"), Platform::Buttons::Ok);
    Command3->setFocus();

    const QString name = Text5->text().trimmed(), line1 = Text6->text().trimmed(), line2 = Text7->text().trimmed(),
                  email = Text8->text().trimmed(), club = Text2->text().trimmed();
    Platform::saveSetting(SettingsSection, QStringLiteral("UserAddressName"), name);
    Platform::saveSetting(SettingsSection, QStringLiteral("UserAddressLine1"), line1);
    Platform::saveSetting(SettingsSection, QStringLiteral("UserAddressLine2"), line2);
    Platform::saveSetting(SettingsSection, QStringLiteral("UserEMail"), email);
    Platform::saveSetting(SettingsSection, QStringLiteral("UserClubName"), club);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_ADDRESS_NAME"), name, 0);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_ADDRESS_Line1"), line1, 0);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_ADDRESS_Line2"), line2, 0);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_EMAIL"), email, 0);
    modGlobalPreferences::SetGlobalPreference(QStringLiteral("OWN_CLUB_NAME"), club, 1);
    return true;
}

void DECabrilloIn::Command3_Click() { hide(); }

void DECabrilloIn::keyPressEvent(QKeyEvent* event)
{
    if (KeyEvents::enterPressesFocusedButton(this, event))
        return;
    QDialog::keyPressEvent(event);
}
