#pragma once

// The program's own sound, "airhorn.wav", which the clock plays by default.
// It is written to the data folder when it is not there, so that a director
// can put another sound in its place. A file already there is kept as it
// is. False when it is missing and could not be written.
bool WriteDefaultSoundIfMissing();
