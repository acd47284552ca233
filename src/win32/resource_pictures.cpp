#include "win32/resource_pictures.h"

#include <map>

namespace qv {

HBITMAP ResourcePicture(int id) {
    static std::map<int, HBITMAP> loaded;
    auto found = loaded.find(id);
    if (found != loaded.end()) return found->second;
    auto* bitmap = static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                   IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    loaded[id] = bitmap;
    return bitmap;
}

}  // namespace qv
