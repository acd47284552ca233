// Picture numbers of the window tables that are bitmap resources of the program: the number
// is the resource id. Each bitmap is loaded once and kept for the program's life.
#pragma once

#include <windows.h>

namespace qv {

// The bitmap resource `id` of the program; null when there is none.
HBITMAP ResourcePicture(int id);

}  // namespace qv
