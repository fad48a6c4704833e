#include "mainwindow/ArchiveRestore.h"

#include "core/CommonFileDialog.h"
#include "core/Files.h"
#include "core/Globals.h"
#include "core/Module2Log.h"
#include "core/modGlobalPreferences.h"
#include "platform/Clock.h"
#include "platform/Prompts.h"

namespace ArchiveRestore {

namespace {

const QString LogFilter = QStringLiteral("Log Files (*.log)");

void prepare(CommonFileDialog& dialog)
{
    dialog.CancelError = true;
    dialog.InitDir = Module2::BackupFolder();
    dialog.Filter = LogFilter;
}

void showError(const QString& reason, const QString& title)
{
    Platform::prompts().messageBox(reason, title, Platform::Buttons::Ok);
}

}   // namespace

QString defaultArchiveName()
{
    return modGlobalPreferences::CallFileName(G.OwnCall) +
           Platform::clock().read().local.date().toString(QStringLiteral("yyyy-MM-dd")) + QStringLiteral(".log");
}

void mnuArchive_Click(CommonFileDialog& dialog)
{
    auto& p = Platform::prompts();
    p.messageBox(QStringLiteral("This function is used to create a permanent copy of your currently open log file.  "
                                "To open your log file at a later date, click File > Restore from Archive or Backup."),
                 QStringLiteral("Archive Information"), Platform::Buttons::Ok);
    prepare(dialog);
    dialog.FileName = defaultArchiveName();
    dialog.Flags = 2;
    if (!dialog.ShowSave())
        return;
    const QString target = dialog.FileName;
    const QString log = Module2::LogPath();
    QString error;
    // A log that was never written is an empty log: its archive is an empty file.
    const bool ok =
        Files::exists(log) ? Files::copyReplace(log, target, &error) : Files::writeAtomic(target, QByteArray(), &error);
    if (!ok)
        showError(error, QStringLiteral("Error Archiving Log"));
}

bool mnuRestore_Click(CommonFileDialog& dialog)
{
    auto& p = Platform::prompts();
    p.messageBox(
        QStringLiteral("This action will open an archived log or backup file and creates a working file called "
                       "log.txt.  If you make any changes to your archived data that you would like to "
                       "permanently save, before you click File > New to start a new contest, be sure to "
                       "click File > Archive to save your changes."),
        QStringLiteral("Opening Archived Data Information"), Platform::Buttons::Ok);
    if (G.QSOCount > 0 &&
        p.messageBox(QStringLiteral("Are you sure that you want to open an archived log?  This action will clear "
                                    "and replace existing QSO data."),
                     QStringLiteral("Are your sure?"), Platform::Buttons::YesNo,
                     Platform::Icon::Question) != Platform::Answer::Yes)
        return false;

    dialog.FileName.clear();
    prepare(dialog);
    if (!dialog.ShowOpen())
        return false;
    const QString source = dialog.FileName;

    const QString title = QStringLiteral("Error Restoring Log");
    QString error;
    if (Module2::IsWorkingLog(source)) {
        showError(QStringLiteral("log.txt is the working log itself. Choose an archive or a backup (.log) file."),
                  title);
        return false;
    }
    if (!Module2::CheckLogFile(source, nullptr, &error) || !Module2::BackupLogBeforeErase(&error) ||
        !Files::copyReplace(source, Module2::LogPath(), &error)) {
        showError(error, title);
        return false;
    }
    return true;
}

}   // namespace ArchiveRestore
