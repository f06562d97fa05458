#pragma once
#include <windows.h>

#include <string>

namespace fw {

// A string from the program's string table; empty when there is none.
std::string LoadResourceString(UINT id);

} // namespace fw
