#pragma once
// The keyer windows' part of the station setup's loading: reading wave2.txt and CW.txt from the
// program folder and giving the values to the voice keyer (PhoneFrm) and CW keyer (CWFrm)
// windows. steps() is what installAppHooks gives the station setup (StationSetup::KeyerSteps).
#include <optional>

#include "core/StationSetup.h"
#include "keying/KeyerSettings.h"

namespace KeyerStartup {

// What the last readFiles() found.
struct Loaded {
    std::optional<KeyerSettings::PhoneSettings> phone;   // wave2.txt, when it read whole
    KeyerSettings::CWSettings cw;                        // CW.txt, as far as it read
};
const Loaded& loaded();

// Reads both files (changes loaded()); CW.txt's keying method goes into G.CWKeyMethod when the
// file gave value 15. False when wave2.txt did not read whole.
bool readFiles();
// PhoneFrm gets wave2.txt's values when the file read whole; CWFrm gets CW.txt's values when the
// file gave any. A window is made (hidden) only when it gets values.
void fillPhoneWindow();
void fillCWWindow();

StationSetup::KeyerSteps steps();

}   // namespace KeyerStartup
