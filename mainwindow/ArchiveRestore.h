#pragma once
// Archive and restore of the working log log.txt, from the File menu of both main windows.
//
// Archive copies log.txt under a name the operator chooses (by default the call's file stem and
// today's date, in the BACKUP folder). Restore puts a chosen archive or automatic backup in its
// place: the file is first read by the log store's rules and refused when it is not a log (or is
// log.txt itself); a non-empty log.txt is copied into BACKUP; then the chosen file replaces
// log.txt through a temporary file and a rename, so a failure at any point leaves log.txt as it
// was. Both use the window's common file dialog; Cancel in it is silent.
#include <QString>

class CommonFileDialog;

namespace ArchiveRestore {

// The proposed archive name: CallFileName(OwnCall), the local date "yyyy-mm-dd", ".log".
QString defaultArchiveName();

// The archive command: an information box, the save dialog, the copy. A failure shows its reason
// titled "Error Archiving Log". Reads log.txt (a missing one is archived as an empty log).
void mnuArchive_Click(CommonFileDialog& dialog);

// The restore command: an information box, "Are your sure?" when the log holds contacts, the open
// dialog, the checks, the backup and the replacement. True when log.txt was replaced: the caller
// then reloads the window. A failure shows its reason titled "Error Restoring Log" and leaves
// log.txt untouched.
bool mnuRestore_Click(CommonFileDialog& dialog);

}   // namespace ArchiveRestore
