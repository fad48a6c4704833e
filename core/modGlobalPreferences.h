#pragma once
// Per-user folders and the shared preferences file SharedUserPreferences.xml.
//
// Folders: UserRootFolder is the per-user base folder followed by "/Quolt Software"; DataFolder
// and SharedFolder are its "Vazazev" and "Shared" subfolders. With USERPROFILE set, the base is
// USERPROFILE/My Documents, else USERPROFILE/Documents, else APPDATA (trees are made under both
// USERPROFILE and APPDATA in that last case; with APPDATA empty the USERPROFILE one is the base,
// never the file system's root). With USERPROFILE unset (the usual Linux case) the
// base is $HOME/Documents; no "My Documents" folder is ever made in the home folder.
//
// The preferences file: a declaration line and one "<TAG>value</TAG>" line per value, CR LF line
// ends. It is written, never parsed; the whole text is kept in G.GlobalPrefsText.
#include <QString>

namespace modGlobalPreferences {

// The folder names the program passes to ResolveUserFolder.
inline constexpr const char* MakerFolder = "/Quolt Software";
inline constexpr const char* DataSubFolder = "/Vazazev";
inline constexpr const char* SharedSubFolder = "/Shared";
inline constexpr const char* PrefsFileName = "SharedUserPreferences.xml";
inline constexpr const char* Declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>";

// Chooses the per-user base folder, makes sure base+makerFolder and base+makerFolder+subFolder
// exist, and stores base+makerFolder in result. makerFolder and subFolder begin with "/" (a
// leading "\" is accepted too). Each failing step shows the system's error text titled
// "User Access Directory Error" and the resolution goes on.
void ResolveUserFolder(QString& result, const QString& makerFolder, const QString& subFolder);

// Resolves the data and shared folders (two ResolveUserFolder calls) and sets G.UserRootFolder,
// G.DataFolder and G.SharedFolder.
void ResolveFolders();

// Creates the folder path (one level; the parent must exist) when no folder of that name exists,
// ignoring case. Failures are shown only when showErrors is 1; an empty path is always reported.
void EnsureFolder(const QString& path, int showErrors);

// Loads the preferences file into G.GlobalPrefsText (without the CR LF that ends it), or starts
// a new text with the declaration line alone when the file does not exist.
void LoadGlobalPreferences(const QString& path);

// Replaces the file with G.GlobalPrefsText and a final CR LF (atomically). False when it could not
// be written, or when the file exists but could not be read at load (its other programs' values
// are then kept rather than overwritten).
bool SaveGlobalPreferences(const QString& path);

// Sets one tag (turned into capitals) to value; a new tag goes at the end. Saves the file when
// save is 1. Callers setting several tags pass 0 for all but the last, so the file is written once.
void SetGlobalPreference(const QString& tag, const QString& value, int save);

// The file-name stem for a call sign: its leading run of "0"-"9" and "A"-"Z", else "YourCall".
QString CallFileName(const QString& callSign);

// G.SharedFolder's SharedUserPreferences.xml (found without regard to case).
QString PrefsPath();

}   // namespace modGlobalPreferences
