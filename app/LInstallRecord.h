#pragma once

// The install record in the user's settings ("Settings": "InstallDate", "CurrentVersion",
// "PreviousVersion") and the shared "install" folder.

// Copies the resources' "install" folder, when there is one, into the shared folder without
// widening its modes, and records this version as installed now.
void LInstallRecordWrite();

// Whether the record is current: a date recorded for this version, not earlier than the last
// status change of the program's executable.
bool LInstallRecordIsCurrent();
