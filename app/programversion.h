#pragma once

// The program's version, shown in the window title and written into project files.
inline constexpr char programVersion[] = "V1.1.3";
