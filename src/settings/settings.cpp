// Default file names of the settings.
#include "settings/settings.h"

namespace zembrol {

std::string DefaultTextureName(int index) {
    if (index == 0) return "bkg.bmp";
    if (index >= 1 && index <= 11) return "tex" + std::to_string(index) + ".bmp";
    if (index == 12) return "texnext.bmp";
    if (index == 13) return "fant.bmp";
    if (index == 14) return "world.jpg";
    return {};
}

}  // namespace zembrol
