#pragma once

#include <string>

#include "image.h"

// Writes the program's icon: one 32 x 32 image of 256 colours.
bool WriteProgramIcon(const std::string &path);
