#pragma once

// The titles of the programs' message boxes, named once.
inline constexpr const char* ProgramTitle = "Programador";      // the bet and the programs' commands
inline constexpr const char* PictureTitle = "Programador ...";  // pictures
inline constexpr const char* FailureTitle = "Velmar Soft";      // a record that could not be written
