#pragma once

// Opens zr.mdb in the data folder as the program's database (gobjDatabase()),
// creating it in the oldest layout when it is missing, and brings it to the
// current layout with CheckDatabaseVersion. A file that cannot be opened (not
// a SQLite database, read-only, a folder that cannot be written) is reported
// through prompter() with its name, left untouched, and false is returned. A
// failing upgrade step is reported by the check itself and does not stop the
// start: the database stays open and the result is true.
bool OpenProgramDatabase();
